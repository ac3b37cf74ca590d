#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/lesson_state.h"
#include "ui/point_f.h"

class Form1;
struct ParsedSetup;

// A prepared set-up of the window, as a lecturer gives it on a command line
//   --demo Ricean --one Ten --fixed 7 --histogram --theory Ricean --paused
// or in the address fragment of the browser edition
//   demo=Ricean&one=Ten&fixed=7&histogram&theory=Ricean&paused
// and read back from a window, so that a set-up on screen can be copied. Every setting is made
// as the user makes it, so the window behaves as if a lecturer had clicked it together.
class SetupSettings {
public:
    // A setting that is not given leaves the window as it stands.
    // The language of the window ("de", "pt-BR"): each edition chooses it before the window
    // opens (`lang` in an address, as well as `language`).
    std::optional<std::string> language;
    std::optional<std::string> demo;  // cmbDemo: picked when it is an entry of the list, else typed
    std::optional<std::string> one;   // cmbOne, the same way
    std::optional<std::string> two;   // cmbTwo, the same way
    std::optional<int> phase;         // hscPhase, degrees
    std::optional<int> rate;          // hscRate ("Speed ")
    std::optional<int> fixed;         // hscFixed ("Fixed")
    bool histogram = false;           // a click on "Histogram"
    std::optional<PointF> tip1;       // the tip of phasor 1 dragged and dropped here
    std::optional<PointF> tip2;       // the tip of phasor 2
    bool paused = false;              // ends paused, as a click on "Pause" leaves the window
    std::optional<LessonState::Speed> speed;
    std::optional<LessonState::Theory> theory;
    bool projector = false;
    bool record = false;           // the fading record
    std::optional<int> threshold;  // the record's threshold, dB
    bool ellipse = false;          // the polarisation ellipse
    bool numbers = false;          // the phasor numbers

    friend bool operator==(const SetupSettings&, const SetupSettings&) = default;

    // What becomes of an argument that is not a setting: an error, or the caller's (a program
    // with options of its own parses those from `unclaimed`).
    enum class Unknown { Reject, PassOn };

    // "--name value" or "--name=value"; the flags take no value. A later setting overrides an
    // earlier one of the same name.
    static ParsedSetup fromArguments(const std::vector<std::string>& arguments,
                                     Unknown unknown = Unknown::Reject);
    // "name=value&flag&...", a leading '#' allowed; %XX escapes and '+' for a blank are decoded.
    static ParsedSetup fromFragment(std::string_view fragment);
    // The set-up the window shows: the demonstration, the options and scroll bars it shows, the
    // histogram, the phasor tips that have been moved, and the tools in use.
    static SetupSettings fromWindow(const Form1& form);

    // Arguments quoted for a POSIX shell, in the order that apply() makes them.
    std::string toCommandLine() const;
    std::string toFragment() const;

    // Runs one user action with everything it raises, then repaints: FormView::deliver or its
    // browser twin.
    using Deliver = std::function<void(const std::function<void()>&)>;
    // First checks every value against the window (a scroll bar value within its range); on an
    // error returns its text and changes nothing. Then makes the settings one action each, in
    // this order: demonstration, options one and two, phase, rate, fixed, histogram, tip 1,
    // tip 2, speed, theory, projector, record, threshold, ellipse, numbers, pause. Returns an
    // empty text.
    std::string apply(Form1& form, const Deliver& deliver) const;

    // One line a setting, for a program's help.
    static const char* usage();
};

// The settings read from a command line or a fragment; on an error, its text.
struct ParsedSetup {
    SetupSettings settings;
    std::string error;                   // empty when every setting is good
    std::vector<std::string> unclaimed;  // what Unknown::PassOn left to the caller, in order
    bool ok() const { return error.empty(); }
};
