#include "ui/web/wheel_notches.h"

#include "ui/web/dom.h"

namespace {

// What one notch amounts to, by the event's delta mode: pixels, lines, pages.
constexpr double kPixelsPerNotch = 100;
constexpr double kLinesPerNotch = 3;

}  // namespace

double domWheelNotches(const emscripten::val& wheelEvent) {
    double delta = wheelEvent["deltaY"].as<double>();
    if (delta == 0)
        delta = wheelEvent["deltaX"].as<double>();
    switch (wheelEvent["deltaMode"].as<int>()) {
        case 0:
            delta /= kPixelsPerNotch;
            break;
        case 1:
            delta /= kLinesPerNotch;
            break;
        default:
            break;
    }
    return -delta;  // the DOM counts a turn towards the user as positive
}

int takeFocusedWheel(const emscripten::val& control, const emscripten::val& wheelEvent,
                     WheelNotches& pending) {
    if (!dom::document()["activeElement"].strictlyEquals(control))
        return 0;  // the page's own
    wheelEvent.call<void>("preventDefault");
    return pending.take(domWheelNotches(wheelEvent));
}
