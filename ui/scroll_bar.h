#pragma once

#include <functional>

#include "ui/box_control.h"

// A horizontal scroll bar with a whole-number value between Min and Max. SmallChange is the step
// of an arrow click, LargeChange the step of a click in the trough.
class ScrollBar : public WindowedControl {
public:
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }

    void setRange(int min, int max);
    void setSteps(int smallChange, int largeChange);
    // Raises Change when the value changes; a value outside Min..Max is a ProgramError.
    void setValue(int value);
    // Moves the value by `delta`, stopping at Min and Max: an arrow's or the trough's step.
    void stepBy(int delta);
    // The user turns the wheel over the bar while it has the focus: one SmallChange a notch,
    // a notch away from the user (positive) to the left, each step one Change; it stops at the
    // ends.
    void turnWheel(int notches);

    std::function<void()> onChange;

private:
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};
