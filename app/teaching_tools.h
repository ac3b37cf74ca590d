#pragma once

class Form1;

// The tools a lecturer uses on the window: one frame at a time while paused and slow motion.
// Unused, they change nothing: the picture and the behaviour are the window's own. A view runs
// each inside its deliver(), so that it repaints after it:
//   view.deliver([&] { form.tools.stepOneFrame(); });
class TeachingTools {
public:
    enum class Speed { Normal, Half, Quarter };

    explicit TeachingTools(Form1& form) : form_(form) {}
    TeachingTools(const TeachingTools&) = delete;
    TeachingTools& operator=(const TeachingTools&) = delete;

    // Paused is tmrOne disabled with "Start" on cmdStart, as cmdStart_Click leaves it.
    bool paused() const;
    // While paused: exactly the frame that one tick of tmrOne would draw (FrameCount + 1, then
    // DrawFrame); returns true. While running it does nothing and returns false.
    bool stepOneFrame();

    // Slow motion changes only the time between ticks (100, 200 or 400 ms), never what a frame
    // computes. Normal is the default; setSpeed(Speed::Normal) restores it.
    Speed speed() const { return speed_; }
    void setSpeed(Speed speed);
    static int intervalOf(Speed speed);
    // Writes the chosen interval into tmrOne again; SetupDemo calls it last.
    void keepSpeed();

private:
    Form1& form_;
    Speed speed_ = Speed::Normal;
};
