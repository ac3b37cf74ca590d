#pragma once

#include <vector>

#include "demos/fading/theory_curve.h"

class Form1;

// The tools a lecturer uses on the window: one frame at a time while paused, slow motion, the
// theory curve over the envelope histogram and the projector flag that the drawing layer reads.
// Unused, they change nothing: the picture and the behaviour are the window's own. A view runs
// each inside its deliver(), so that it repaints after it:
//   view.deliver([&] { form.tools.stepOneFrame(); });
class TeachingTools {
public:
    enum class Speed { Normal, Half, Quarter };
    using Theory = theory_curve::Theory;

    explicit TeachingTools(Form1& form) : form_(form) {}
    TeachingTools(const TeachingTools&) = delete;
    TeachingTools& operator=(const TeachingTools&) = delete;

    // Paused is tmrOne disabled with "Start" on cmdStart, as cmdStart_Click leaves it.
    bool paused() const;
    // While paused: exactly the frame that one tick of tmrOne would draw (FrameCount + 1, then
    // DrawFrame); returns true. While running it does nothing and returns false.
    bool stepOneFrame();

    // Slow motion changes only the time between ticks (100, 200 or 400 ms), never what a frame
    // computes; no set-up writes tmrOne's interval, so the choice outlives a change of
    // demonstration. Normal is the default; setSpeed(Speed::Normal) restores it.
    Speed speed() const { return speed_; }
    void setSpeed(Speed speed);

    // The curve that the drawing layer lays over the bars in theory_curve::kColour, a thin
    // polyline through theoryCurve(); Off by default. It shows while the histogram does.
    Theory theory() const { return theory_; }
    void setTheory(Theory theory) { theory_ = theory; }
    std::vector<theory_curve::Point> theoryCurve() const;
    // The curve that fits the picture on show: Rayleigh's or Rice's over the histogram of
    // "Rayleigh" or "Ricean", Off anywhere else.
    Theory theoryOnShow() const;
    // The menu's "Theory curve": on where a curve fits the picture, and once on it can always be
    // turned off, even with the histogram hidden.
    bool theoryCanToggle() const { return theory_ != Theory::Off || theoryOnShow() != Theory::Off; }
    void toggleTheory();

    // The picture drawn for a projector; only the drawing layer gives it a meaning.
    bool projector() const { return projector_; }
    void setProjector(bool projector) { projector_ = projector; }
    void toggleProjector() { projector_ = !projector_; }

private:
    Form1& form_;
    Speed speed_ = Speed::Normal;
    Theory theory_ = Theory::Off;
    bool projector_ = false;
};
