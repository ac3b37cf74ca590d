#include "ui/qt/scroll_bar_widget.h"

#include <QSignalBlocker>

#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/wheel_notches.h"

ScrollBarWidget::ScrollBarWidget(ScrollBar& model, FormView& view)
    : QScrollBar(Qt::Horizontal, &view), model_(model), view_(view) {
    setObjectName(QString::fromStdString(model.name()));
    setFocusPolicy(Qt::StrongFocus);  // a wheel turn never takes the focus
    setInvertedControls(false);       // the right arrow key moves to the right
    connect(this, &QScrollBar::valueChanged, this,
            [this](int value) { view_.deliver([this, value] { model_.setValue(value); }); });
}

void ScrollBarWidget::syncFromModel() {
    const QSignalBlocker block(this);
    setRange(model_.min(), model_.max());
    setSingleStep(model_.smallChange());
    setPageStep(model_.largeChange());
    setValue(model_.value());
    setGeometry(toQRect(view_.viewGeometry().toWidgetRect(model_.box())));
    setVisible(model_.visible());
}

void ScrollBarWidget::wheelEvent(QWheelEvent* event) {
    const int notches = takeFocusedWheel(*this, *event, notches_);
    if (notches != 0)
        view_.deliver([this, notches] { model_.turnWheel(notches); });
}
