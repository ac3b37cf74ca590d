#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Form1;

// A recording of the animation for slides: the frames the window would show from where it stands,
// drawn on a copy of it, so that the window on screen, its random sequence included, goes on as if
// nothing had been recorded. Each edition renders the copy's picture frame by frame and writes
// the frames to its file (a GIF on the desktop, a GIF or a WebM video in the browser).
namespace animation {

// A picture that repeats is recorded for exactly one period, so that the loop is seamless: the
// least whole number of frames after which every moving part is back where it started, as far as
// kMaxFrames. A picture that never repeats (fading, or no period within kMaxFrames) is recorded
// for kUnrepeatingFrames, 10 s at normal speed; a still picture for one frame.
inline constexpr int kMaxFrames = 600;
inline constexpr int kUnrepeatingFrames = 100;

struct Length {
    int frames = 1;
    bool loops = false;  // the last frame runs on into the first
};
Length lengthOf(const Form1& form);

// The least whole number of frames, 1 to `most`, that is a multiple of every period (in frames,
// not necessarily whole: a wavelength of 0.3 repeats every 2.4 frames, so 12 frames loop); 0 when
// there is none, or a period is not a positive number. No periods: 1, a still picture.
int commonLoop(const std::vector<double>& periods, int most);

// A length typed on a command line or in an address ("--frames 40", "frames=40"): a whole number
// of frames, 1 to kMaxFrames, and nothing else; nullopt for anything other.
std::optional<int> framesFrom(const std::string& text);

// The time each frame shows: the timer's interval, 100 ms or the slow motion chosen.
int frameMilliseconds(const Form1& form);

// The copy of the window that a recording runs on. Frame 0 is the picture on show; advance()
// draws the next, exactly as one tick of the timer would (FrameCount + 1, DrawFrame, the record
// keeps it), whether the window is running or paused.
class Recording {
public:
    Recording(const Form1& form, int frames);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // What a view shows and renders.
    Form1& window() { return *copy_; }
    int frames() const { return frames_; }
    // The frame the copy shows now, from 0.
    int frame() const { return frame_; }
    bool atLastFrame() const { return frame_ + 1 >= frames_; }
    void advance();

private:
    std::unique_ptr<Form1> copy_;
    int frames_;
    int frame_ = 0;
};

}  // namespace animation
