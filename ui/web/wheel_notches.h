#pragma once

#include <emscripten/val.h>

// The notches of a mouse wheel that a DOM wheel event stands for, in fractions for a touchpad's
// small deltas; a line-based wheel's three lines are one notch. Positive is a turn away from the
// user, as the desktop counts it.
double domWheelNotches(const emscripten::val& wheelEvent);
