#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

// What must hold after every event that a user can cause on a loaded Form1, whatever came
// before:
//   - every coordinate and size of every control is a finite number, and no size is negative;
//   - lnePlot, lnePlot2 and lnePlot3 keep elements 97 to 191 exactly as the load left them;
//   - every HistBins count is a whole number, not negative;
//   - FrameCount is what the event allows (the caller says what that is);
//   - the running state is one of its two forms: timer enabled with "Pause", or disabled with
//     "Start";
//   - cmbDemo still lists the six demonstrations in their order, and every scroll bar's value
//     lies within its range.
class InvariantChecker {
public:
    // Takes the reference state from `form`, which must have been loaded.
    explicit InvariantChecker(const Form1& form);

    // Every broken invariant, one sentence each; empty when all hold.
    std::vector<std::string> check(double expectedFrameCount) const;

    // The parts of check() on their own, for the soak test, which checks some of them less often.
    void checkControls(std::vector<std::string>& faults) const;
    void checkSpareSegments(std::vector<std::string>& faults) const;
    void checkHistogram(std::vector<std::string>& faults) const;
    void checkRunningState(std::vector<std::string>& faults) const;

private:
    // Everything a line shows, and its revision, which any effective change bumps.
    struct LineState {
        float x1, y1, x2, y2;
        std::uint32_t colour;
        int width;
        bool dotted, visible;
        std::uint64_t revision;
        friend bool operator==(const LineState&, const LineState&) = default;
    };
    static LineState stateOf(const Line& line);

    static constexpr int kFirstSpare = 97;
    static constexpr int kSpares = 192 - kFirstSpare;

    const Form1& form_;
    std::array<std::array<LineState, kSpares>, 3> spares_{};
};
