#pragma once

#include <QWheelEvent>
#include <cstdlib>

// Whole notches of a wheel (120 eighths of a degree each) from its events, so that a fine-grained
// wheel or a touchpad steps as often as a notched wheel does, not at every small delta.
class WheelNotches {
public:
    // Positive for a turn away from the user (up, or to the left).
    int take(const QWheelEvent& event) {
        const QPoint delta = event.angleDelta();
        pending_ += std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
        const int notches = pending_ / kNotch;
        pending_ -= notches * kNotch;
        return notches;
    }

private:
    static constexpr int kNotch = 120;
    int pending_ = 0;
};
