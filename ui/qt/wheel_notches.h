#pragma once

#include <QWheelEvent>
#include <QWidget>
#include <cstdlib>

#include "ui/wheel_notches.h"

// A wheel turn over a list or a scroll bar: taken only while the control has the keyboard focus,
// as whole notches (120 eighths of a degree each; a touchpad's small deltas add up), positive
// away from the user. Without the focus the turn is left for the window and this gives 0.
inline int takeFocusedWheel(const QWidget& control, QWheelEvent& event, WheelNotches& pending) {
    if (!control.hasFocus()) {
        event.ignore();
        return 0;
    }
    event.accept();
    const QPoint delta = event.angleDelta();
    return pending.take((std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y()) /
                        120.0);
}
