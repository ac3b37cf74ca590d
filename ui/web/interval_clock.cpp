#include "ui/web/interval_clock.h"

#include "ui/web/dom_events.h"

using emscripten::val;

IntervalClock::IntervalClock(std::function<void()> onTick)
    : onTick_(std::move(onTick)), callback_(DomEvents::function([this](val) { fired(); })) {}

void IntervalClock::start(int firstDelay, int period) {
    stop();
    period_ = period;
    if (firstDelay == period) {
        interval_ = val::global("setInterval")(callback_, period);
    } else {
        timeout_ = val::global("setTimeout")(callback_, firstDelay);
    }
}

void IntervalClock::stop() {
    if (!timeout_.isNull())
        val::global("clearTimeout")(timeout_);
    if (!interval_.isNull())
        val::global("clearInterval")(interval_);
    timeout_ = val::null();
    interval_ = val::null();
}

void IntervalClock::fired() {
    if (!timeout_.isNull()) {
        // The first delay is over: from now on at the period.
        timeout_ = val::null();
        interval_ = val::global("setInterval")(callback_, period_);
    }
    onTick_();
}
