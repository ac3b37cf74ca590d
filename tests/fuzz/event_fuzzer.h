#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "app/form1.h"
#include "tests/fuzz/choice_stream.h"
#include "tests/fuzz/fuzz_failure.h"
#include "tests/fuzz/invariant_checker.h"

// Drives a loaded Form1 with everything a user can do to it, in an order and with values taken
// from a ChoiceStream: picking and typing demo names (a keystroke at a time), typing texts of any
// kind into the option lists and picking their entries, moving every scroll bar, clicking every
// button, pressing any mouse button on a handle, dragging and dropping a handle anywhere (far
// outside the window too) or dropping with no drag, moving a handle with the arrow keys,
// pausing, resuming and letting the timer tick. After every event it checks the invariants of
// InvariantChecker and throws FuzzFailure at the first one that breaks, or when an event lets an
// exception escape.
class EventFuzzer {
public:
    // Runs one event with everything it raises; the Qt view passes its own deliver(), so that
    // the screen is brought in step after every event as in the running program.
    using Deliver = std::function<void(const std::function<void()>&)>;

    // `form` must have been loaded.
    explicit EventFuzzer(Form1& form, Deliver deliver = {});

    // One user action (which may be several events: a typed word is one event per keystroke).
    void step(ChoiceStream& choices);
    // Steps until `maxEvents` events have run or a byte-string stream is used up; returns the
    // number of events run.
    std::size_t run(ChoiceStream& choices, std::size_t maxEvents);

    std::size_t events() const { return events_; }

    // What the session reached, so that a test can tell the driver really exercised it all.
    struct Coverage {
        std::map<std::string, std::size_t> setUps;   // SetupDemo runs by demo name (or "other")
        std::map<std::string, std::size_t> frames;   // frames drawn by demo name
        std::map<std::string, std::size_t> actions;  // user actions by kind
        std::size_t drops = 0;                       // drops that ran the window's DragDrop
        std::size_t histogramCounts = 0;             // frames counted into the histogram
        std::size_t pausedTicks = 0;                 // ticks that found the timer disabled
        std::size_t longestText = 0;                 // longest text typed, in bytes
    };
    const Coverage& coverage() const { return coverage_; }

    // Where the next event will be checked against; the soak test re-reads it after changes
    // that it makes itself.
    const InvariantChecker& checker() const { return checker_; }

    // How FrameCount may change across one event.
    enum class FrameRule {
        Unchanged,  // no handler that the event raises touches it
        Tick,       // +1 when the timer was running, unchanged when paused
        DemoSetUp,  // SetupDemo ran: 0 for the two wave demonstrations, else unchanged
    };
    // Runs `event` as one event, described by `what`, and checks every invariant after it.
    void raise(const std::string& what, FrameRule rule, const std::function<void()>& event);
    // The same for real input to the view's widgets (a key, a click), which the view itself turns
    // into one model event: `input` runs directly, not through the Deliver function.
    void perform(const std::string& what, FrameRule rule, const std::function<void()>& input);
    // For input whose effect is known only afterwards (did the keystroke change the demo name?).
    void perform(const std::string& what, const std::function<FrameRule()>& ruleAfterwards,
                 const std::function<void()>& input);

    // Generators of the values a user can enter, shared with the soak and view sessions.
    static std::string optionText(ChoiceStream& choices, const ComboBox& combo);
    static std::string demoText(ChoiceStream& choices);
    static double coordinate(ChoiceStream& choices, double extent);
    static float floatCoordinate(ChoiceStream& choices, double extent);

private:
    void tick(ChoiceStream& choices);
    void pickDemo(ChoiceStream& choices);
    void typeDemo(ChoiceStream& choices);
    void typeOption(ChoiceStream& choices);
    void pickOption(ChoiceStream& choices);
    void scroll(ChoiceStream& choices);
    void clickButton(ChoiceStream& choices);
    void pressHandle(ChoiceStream& choices);
    void dragAndDrop(ChoiceStream& choices);
    void dropOnly(ChoiceStream& choices);
    void arrowKey(ChoiceStream& choices);
    void dropAt(double x, double y);
    void runChecked(const std::string& what, const std::function<FrameRule()>& rule,
                    const std::function<void()>& event, bool throughDeliver);

    // Types `text` into `combo` as the user would: replacing the selection, appending to the
    // text, or pasting it whole; every keystroke is one Change event.
    void type(ChoiceStream& choices, ComboBox& combo, const std::string& text);
    void setComboText(ComboBox& combo, const std::string& text, const std::string& how);

    std::string demoName() const;
    std::string summary(const std::string& text) const;
    [[noreturn]] void fail(const std::string& what, const std::string& reason) const;

    Form1& form_;
    Deliver deliver_;
    InvariantChecker checker_;
    std::size_t events_ = 0;
    std::deque<std::string> recent_;
    Coverage coverage_;
};
