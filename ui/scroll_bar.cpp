#include "ui/scroll_bar.h"

#include <algorithm>
#include <string>

#include "ui/program_error.h"

void ScrollBar::setRange(int min, int max) {
    if (min > max)
        throw ProgramError(name() + ": empty range");
    setProperty(min_, min);
    setProperty(max_, max);
    if (value_ < min_ || value_ > max_)
        setProperty(value_, min_);
}

void ScrollBar::setSteps(int smallChange, int largeChange) {
    setProperty(smallChange_, smallChange);
    setProperty(largeChange_, largeChange);
}

void ScrollBar::stepBy(int delta) {
    setValue(static_cast<int>(std::clamp<long>(static_cast<long>(value_) + delta, min_, max_)));
}

void ScrollBar::turnWheel(int notches) {
    for (; notches != 0; notches += notches > 0 ? -1 : 1)
        stepBy(notches > 0 ? -smallChange_ : smallChange_);
}

void ScrollBar::setValue(int value) {
    if (value < min_ || value > max_) {
        throw ProgramError(name() + ".Value cannot be " + std::to_string(value));
    }
    if (value == value_)
        return;
    setProperty(value_, value);
    if (onChange)
        onChange();
}
