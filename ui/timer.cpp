#include "ui/timer.h"

#include "ui/program_error.h"

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0)
        throw ProgramError(name_ + ".Interval cannot be negative");
    if (milliseconds != interval_)
        ++revision_;
    interval_ = milliseconds;
}

void Timer::setEnabled(bool enabled) {
    if (enabled != enabled_)
        ++revision_;
    enabled_ = enabled;
}
