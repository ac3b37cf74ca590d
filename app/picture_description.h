#pragma once

#include <string>
#include <vector>

class Form1;

// The picture in words, for a student who cannot see it: a few plain sentences made from the live
// state of the window, each of which makes sense on its own, in any order. Both editions hand
// them to the screen reader as they are; neither writes a sentence of its own.
namespace picture_description {

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

// The picture's short name: "Picture of Plane Wave".
std::string name(const Form1& form);
// The sentences of the picture as the window now stands.
std::vector<Sentence> describe(const Form1& form);
// Sentences as one text.
std::string joined(const std::vector<Sentence>& sentences);

// The window's live values as a screen reader says them next to their controls: a phasor tip's
// place, a scroll bar's value with its unit.
std::string tipPlace(const Form1& form, int index);
// A tip's length (twips) and phase (degrees from the downward vertical, as its sinusoid has it);
// index 2 is the sum's.
struct TipNumbers {
    double length = 0;
    double phaseDegrees = 0;
};
TipNumbers tipNumbers(const Form1& form, int index);
std::string scrollValue(const Form1& form, const std::string& bar);

// A number as a person says it, rounded to `decimals` places: "minus 45", "0.37", "3".
std::string spoken(double value, int decimals);

}  // namespace picture_description
