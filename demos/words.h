#pragma once

#include <string>
#include <utility>
#include <vector>

// The picture in words, for a student who cannot see it: a few plain sentences made from the live
// state of the window, each of which makes sense on its own, in any order. Each demonstration
// writes its own (demos/<folder>/*_words.cpp); both editions hand them to the screen reader as
// they are.
namespace words {

// Every kind of sentence there is; a test makes each of them at least once.
enum class Kind {
    UnknownDemo,
    Running,
    Paused,
    Projector,
    WaveTravels,
    Wavelength,
    NoWavelength,
    Lossless,
    Attenuated,
    Growing,
    Groups,
    NothingMoves,
    GroupsStandStill,
    CrestsStandStill,
    CrestsRide,
    CrestsFaster,
    CrestsSlower,
    Marker,
    Components,
    RelativePhase,
    NoField,
    Linear,
    Circular,
    Elliptical,
    NoRays,
    OneRay,
    Rays,
    DirectRay,
    Signal,
    FadesScattered,
    FadesStrongDirect,
    FadesWeakDirect,
    HistogramEmpty,
    Histogram,
    Theory,
    Phasor,
    PhasorAtOrigin,
    InPhase,
    Opposite,
    RightAngles,
    Apart,
    FadingRecord,
    EllipseTool,
    PhasorNumbers,
};
inline constexpr int kKinds = static_cast<int>(Kind::PhasorNumbers) + 1;

struct Sentence {
    Kind kind;
    // What it is about ("wavelength", "phasor 1"): a sentence about the same thing replaces it.
    std::string topic;
    std::string text;
    // Whether it changes with every frame of a running picture (the signal now, the marker).
    bool everyFrame = false;
};

// The sentences of a description, in the order they are written.
class Writer {
public:
    void add(Kind kind, std::string topic, std::string text, bool everyFrame = false) {
        sentences_.push_back({kind, std::move(topic), std::move(text), everyFrame});
    }
    const std::vector<Sentence>& sentences() const { return sentences_; }
    std::vector<Sentence> take() { return std::move(sentences_); }

private:
    std::vector<Sentence> sentences_;
};

// A number as a person says it, rounded to `decimals` places: "minus 45", "0.37", "3".
std::string spoken(double value, int decimals);
// A text of the window in quotation marks: "Ten".
std::string quoted(const std::string& text);

}  // namespace words
