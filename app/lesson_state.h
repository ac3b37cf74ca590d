#pragma once

#include <string>
#include <vector>

#include "demos/fading/fading_record.h"
#include "demos/fading/theory_curve.h"

class Form1;

// The state of the teaching tools that change the window: one frame at a time while paused, slow
// motion, the theory curve over the envelope histogram, the projector flag that the drawing layer
// reads, and the lessons that draw over one demonstration (the fading record, the polarisation
// ellipse, the phasor numbers), shown where the demonstration on show offers them
// (demos::Demonstration). Unused, they change nothing: the picture and the behaviour are the
// window's own. A view runs each inside its deliver(), so that it repaints after it:
//   view.deliver([&] { form.lesson.stepOneFrame(); });
class LessonState {
public:
    enum class Speed { Normal, Half, Quarter };
    using Theory = theory_curve::Theory;

    explicit LessonState(Form1& form) : form_(form) {}
    LessonState(const LessonState&) = delete;
    // Takes over another window's tools, for the window this one belongs to.
    LessonState& operator=(const LessonState& other);

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
    std::vector<PointF> theoryCurve() const;
    // The curve that fits the picture on show: the demonstration's theory over its histogram,
    // Off anywhere else.
    Theory theoryOnShow() const;
    // The menu's "Theory curve": on where a curve fits the picture, and once on it can always be
    // turned off, even with the histogram hidden.
    bool theoryCanToggle() const { return theory_ != Theory::Off || theoryOnShow() != Theory::Off; }
    void toggleTheory();

    // The picture drawn for a projector; only the drawing layer gives it a meaning.
    bool projector() const { return projector_; }
    void setProjector(bool projector) { projector_ = projector; }
    void toggleProjector() { projector_ = !projector_; }

    // The fading record of the fading demonstrations (fading_record): off by default; on, it
    // keeps every frame's envelope from the next frame on, afresh whenever the demonstration, the
    // rays or "Fixed" change. Its threshold is in decibels against the running rms level, in
    // steps of kThresholdStep between kLowestThreshold and kHighestThreshold.
    static constexpr int kThresholdStep = 5;
    static constexpr int kLowestThreshold = -30;
    static constexpr int kHighestThreshold = 5;
    static constexpr int kDefaultThreshold = -10;
    bool fadingRecord() const { return record_; }
    void setFadingRecord(bool on);
    void toggleFadingRecord() { setFadingRecord(!record_); }
    // Where the demonstration on show offers a record, or once it is on.
    bool recordCanToggle() const;
    bool recordShown() const;
    int threshold() const { return threshold_; }
    void setThreshold(int decibels);
    void lowerThreshold() { setThreshold(threshold_ - kThresholdStep); }
    void raiseThreshold() { setThreshold(threshold_ + kThresholdStep); }
    const fading_record::Record& record() const { return recordData_; }

    // The polarisation ellipse: the path of the sum over the last cycle and its caption.
    bool ellipse() const { return ellipse_; }
    void setEllipse(bool on) { ellipse_ = on; }
    void toggleEllipse() { ellipse_ = !ellipse_; }
    bool ellipseCanToggle() const;
    bool ellipseShown() const;

    // The phasors' numbers: each phasor's length and phase, and the sum's, below the diagrams.
    bool phasorNumbers() const { return numbers_; }
    void setPhasorNumbers(bool on) { numbers_ = on; }
    void togglePhasorNumbers() { numbers_ = !numbers_; }
    bool numbersCanToggle() const;
    bool numbersShown() const;

    // After every frame the timer (or the step) drew: what the record keeps of it.
    void frameAdvanced();

private:
    Form1& form_;
    Speed speed_ = Speed::Normal;
    Theory theory_ = Theory::Off;
    bool projector_ = false;
    bool record_ = false;
    int threshold_ = kDefaultThreshold;
    fading_record::Record recordData_;
    bool ellipse_ = false;
    bool numbers_ = false;
};
