#include "ui/web/wheel_notches.h"

#include <cmath>

namespace {

// What one notch amounts to, by the event's delta mode: pixels, lines, pages.
constexpr double kPixelsPerNotch = 100;
constexpr double kLinesPerNotch = 3;

}  // namespace

int WheelNotches::take(const emscripten::val& wheelEvent) {
    double delta = wheelEvent["deltaY"].as<double>();
    if (delta == 0)
        delta = wheelEvent["deltaX"].as<double>();
    switch (wheelEvent["deltaMode"].as<int>()) {
        case 0:
            pending_ += delta / kPixelsPerNotch;
            break;
        case 1:
            pending_ += delta / kLinesPerNotch;
            break;
        default:
            pending_ += delta;
            break;
    }
    const double whole = std::trunc(pending_);
    pending_ -= whole;
    return -static_cast<int>(whole);  // the DOM counts a turn towards the user as positive
}
