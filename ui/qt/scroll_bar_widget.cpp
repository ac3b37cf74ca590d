#include "ui/qt/scroll_bar_widget.h"

#include <QSignalBlocker>

#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"

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
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    // A turn away from the user moves to the left, as the wheel scrolls a page up.
    for (int notches = notches_.take(*event); notches != 0; notches += notches > 0 ? -1 : 1) {
        triggerAction(notches > 0 ? SliderSingleStepSub : SliderSingleStepAdd);
    }
    event->accept();
}
