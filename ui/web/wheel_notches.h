#pragma once

#include <emscripten/val.h>

// Turns wheel events into whole notches of a mouse wheel, as the desktop counts them: a
// touchpad's many small deltas add up to one notch, and a line-based wheel's three lines are one.
// Positive notches are away from the user (the wheel turned up), as the desktop counts them.
class WheelNotches {
public:
    int take(const emscripten::val& wheelEvent);

private:
    double pending_ = 0;
};
