#pragma once

#include <emscripten/val.h>

#include "ui/wheel_notches.h"

// The notches of a mouse wheel that a DOM wheel event stands for, in fractions for a touchpad's
// small deltas; a line-based wheel's three lines are one notch. Positive is a turn away from the
// user, as the desktop counts it.
double domWheelNotches(const emscripten::val& wheelEvent);

// A wheel turn over a list or a scroll bar: taken only while `control` has the keyboard focus,
// as whole notches (a touchpad's small deltas add up in `pending`), positive away from the user.
// Without the focus the turn is left for the page and this gives 0.
int takeFocusedWheel(const emscripten::val& control, const emscripten::val& wheelEvent,
                     WheelNotches& pending);
