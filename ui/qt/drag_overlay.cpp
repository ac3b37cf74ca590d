#include "ui/qt/drag_overlay.h"

#include <QPainter>

DragOverlay::DragOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName("dragOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void DragOverlay::showOutline(const QRect& outline, bool accepted) {
    if (outline == outline_ && accepted == accepted_)
        return;
    update(outline_.adjusted(-2, -2, 2, 2));
    outline_ = outline;
    accepted_ = accepted;
    update(outline_.adjusted(-2, -2, 2, 2));
}

void DragOverlay::hideOutline() {
    update(outline_.adjusted(-2, -2, 2, 2));
    outline_ = QRect();
}

void DragOverlay::paintEvent(QPaintEvent*) {
    if (outline_.isNull())
        return;
    QPainter painter(this);
    // Black and white dashes show on every background; grey where the drop would be refused.
    const QRect r = outline_.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(accepted_ ? Qt::white : QColor(200, 200, 200), 2));
    painter.drawRect(r);
    painter.setPen(QPen(accepted_ ? Qt::black : QColor(128, 128, 128), 2, Qt::DashLine));
    painter.drawRect(r);
}
