#include "tests/fuzz/invariant_checker.h"

#include <cmath>
#include <sstream>
#include <variant>

namespace {

const char* const kDemoList[] = {"Group Velocity", "Polarisation", "Plane Wave",
                                 "Rayleigh",       "Ricean",       "Phasors"};

// A float property is usable when it is a finite number (a float cannot exceed its own range).
bool finite(float value) {
    return std::isfinite(value);
}

template <class... Values>
std::string describe(Values&&... values) {
    std::ostringstream text;
    text.precision(17);
    (text << ... << values);
    return text.str();
}

void checkLine(const Line& line, std::vector<std::string>& faults) {
    if (!(finite(line.x1()) && finite(line.y1()) && finite(line.x2()) && finite(line.y2()))) {
        faults.push_back(describe(line.name(), " has a non-finite end point (", line.x1(), ", ",
                                  line.y1(), ") - (", line.x2(), ", ", line.y2(), ")"));
    }
}

void checkBox(const BoxControl& control, std::vector<std::string>& faults) {
    if (!(finite(control.left()) && finite(control.top()) && finite(control.width()) &&
          finite(control.height()))) {
        faults.push_back(describe(control.name(), " has a non-finite box ", control.left(), ", ",
                                  control.top(), ", ", control.width(), " x ", control.height()));
    } else if (control.width() < 0 || control.height() < 0) {
        faults.push_back(describe(control.name(), " has a negative size ", control.width(), " x ",
                                  control.height()));
    }
}

}  // namespace

InvariantChecker::InvariantChecker(const Form1& form) : form_(form) {
    const LineArray* traces[] = {&form.lnePlot, &form.lnePlot2, &form.lnePlot3};
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i < kSpares; ++i) {
            spares_[static_cast<std::size_t>(t)][static_cast<std::size_t>(i)] =
                stateOf((*traces[t])[kFirstSpare + i]);
        }
    }
}

InvariantChecker::LineState InvariantChecker::stateOf(const Line& line) {
    return {line.x1(),
            line.y1(),
            line.x2(),
            line.y2(),
            line.borderColour().bgr(),
            line.borderWidth(),
            line.dotted(),
            line.visible(),
            line.revision()};
}

std::vector<std::string> InvariantChecker::check(double expectedFrameCount) const {
    std::vector<std::string> faults;
    checkControls(faults);
    checkSpareSegments(faults);
    checkHistogram(faults);
    checkRunningState(faults);
    // Exact: FrameCount only ever gains whole frames, which a Double holds exactly.
    if (!(form_.FrameCount == expectedFrameCount)) {
        faults.push_back(describe("FrameCount is ", form_.FrameCount,
                                  " where the event allows only ", expectedFrameCount));
    }
    return faults;
}

void InvariantChecker::checkControls(std::vector<std::string>& faults) const {
    for (const auto& painted : form_.paintOrder()) {
        std::visit(
            [&faults](const auto* control) {
                using T = std::decay_t<decltype(*control)>;
                if constexpr (std::is_same_v<T, Line>) {
                    checkLine(*control, faults);
                } else {
                    checkBox(*control, faults);
                }
            },
            painted);
    }
    for (const auto& windowed : form_.windowedControls()) {
        std::visit([&faults](const auto* control) { checkBox(*control, faults); }, windowed);
        if (const auto* bar = std::get_if<ScrollBar*>(&windowed)) {
            const ScrollBar& b = **bar;
            if (b.value() < b.min() || b.value() > b.max()) {
                faults.push_back(describe(b.name(), ".Value ", b.value(), " lies outside ", b.min(),
                                          " to ", b.max()));
            }
        }
    }
    const auto& items = form_.cmbDemo.items();
    bool sameList = items.size() == std::size(kDemoList);
    for (std::size_t i = 0; sameList && i < items.size(); ++i) sameList = items[i] == kDemoList[i];
    if (!sameList)
        faults.push_back("cmbDemo no longer lists the six demonstrations in order");
}

void InvariantChecker::checkSpareSegments(std::vector<std::string>& faults) const {
    const LineArray* traces[] = {&form_.lnePlot, &form_.lnePlot2, &form_.lnePlot3};
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i < kSpares; ++i) {
            const Line& line = (*traces[t])[kFirstSpare + i];
            if (!(stateOf(line) ==
                  spares_[static_cast<std::size_t>(t)][static_cast<std::size_t>(i)])) {
                faults.push_back(
                    describe(line.name(), " was changed; elements 97 to 191 are never touched"));
            }
        }
    }
}

void InvariantChecker::checkHistogram(std::vector<std::string>& faults) const {
    for (int k = 0; k < form_.HistBins.size(); ++k) {
        const double count = form_.HistBins[k];
        if (!(std::isfinite(count) && count >= 0 && std::floor(count) == count)) {
            faults.push_back(describe("HistBins(", k, ") is ", count, ", not a whole count"));
        }
    }
}

void InvariantChecker::checkRunningState(std::vector<std::string>& faults) const {
    const bool enabled = form_.tmrOne.enabled();
    const std::string& caption = form_.cmdStart.caption();
    if (!((enabled && caption == "Pause") || (!enabled && caption == "Start"))) {
        faults.push_back(describe("the timer is ", enabled ? "enabled" : "disabled",
                                  " while cmdStart reads \"", caption, "\""));
    }
}
