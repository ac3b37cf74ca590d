#pragma once

#include <cmath>

// Whole notches of a mouse wheel from a view's wheel events, given in notches (fractions for a
// fine-grained wheel or a touchpad), so that they step as often as a notched wheel does and not
// at every small delta. Positive is a turn away from the user.
class WheelNotches {
public:
    int take(double notches) {
        pending_ += notches;
        const double whole = std::trunc(pending_);
        pending_ -= whole;
        return static_cast<int>(whole);
    }

private:
    double pending_ = 0;
};
