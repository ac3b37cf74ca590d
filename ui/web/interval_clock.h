#pragma once

#include <emscripten/val.h>

#include <functional>

// A repeating clock on the browser's timers: the first call after `firstDelay` milliseconds, then
// one every `period`. Used for the form's timers and for a scroll bar's auto-repeat.
class IntervalClock {
public:
    explicit IntervalClock(std::function<void()> onTick);
    IntervalClock(const IntervalClock&) = delete;
    IntervalClock& operator=(const IntervalClock&) = delete;

    void start(int firstDelay, int period);
    void stop();
    bool active() const { return !timeout_.isNull() || !interval_.isNull(); }
    int period() const { return period_; }

private:
    void fired();

    std::function<void()> onTick_;
    emscripten::val callback_;
    // The browser's handles, null while not set (kept as they come: not always small integers).
    emscripten::val timeout_ = emscripten::val::null();
    emscripten::val interval_ = emscripten::val::null();
    int period_ = 0;
};
