#pragma once

#include <QWheelEvent>
#include <cstdlib>

// The notches of a mouse wheel that a Qt wheel event stands for (120 eighths of a degree each),
// in fractions for a fine-grained wheel or a touchpad. Positive is a turn away from the user.
inline double wheelNotches(const QWheelEvent& event) {
    const QPoint delta = event.angleDelta();
    return (std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y()) / 120.0;
}
