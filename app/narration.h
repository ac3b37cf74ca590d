#pragma once

#include <functional>
#include <string>
#include <vector>

#include "demos/demonstrations.h"
#include "demos/words.h"
#include "ui/event_cause.h"

class Form1;

// When the picture is put into words for a screen reader, and what is said: after each change the
// student makes, once, the sentences of the description that it changed (all of them for another
// demonstration); typed text only once the student has paused; on the ticks of a running picture
// nothing, but for a deep fade, a histogram that has settled or a group that reaches the marker,
// a short sentence at most every kEventGap. Times are the edition's clock, in milliseconds, so
// that a test passes its own. It also keeps the texts that the controls tell a screen reader in
// step with the picture: a phasor tip's place, a scroll bar's value with its unit, whether the
// histogram is on.
class Narration {
public:
    static constexpr double kTypingPause = 1500;
    static constexpr double kEventGap = 4000;

    // Takes in the picture as it stands: what a change makes anew is said from there.
    explicit Narration(Form1& form);
    // After an event delivered for `cause`: the words to say now, "" for none.
    std::string delivered(EventCause cause, double now);
    // What typing left to say, once kTypingPause has passed since the last key: "" before then
    // and when nothing is left.
    std::string due(double now);
    // The whole description, on demand.
    std::string describeAll();

    // What an edition gives the narration: its clock (milliseconds) and a way to run something
    // after a delay (milliseconds).
    using Clock = std::function<double()>;
    using Later = std::function<void(double delay, std::function<void()> action)>;
    // Speaks through an edition's view from now on: the picture's name and description at once
    // (the view's setPictureDescription), and after every event the view delivers (it tells of
    // each through setDeliveryListener) the words of the change (its announce), typed text's
    // once the pause has passed.
    template <class View>
    void speakThrough(View& view, Clock now, Later later) {
        speakThrough({.now = std::move(now),
                      .describe =
                          [&view](const std::string& name, const std::string& description) {
                              view.setPictureDescription(name, description);
                          },
                      .say = [&view](const std::string& words) { view.announce(words); },
                      .later = std::move(later)});
        view.setDeliveryListener([this](EventCause cause) { heard(cause); });
    }
    void heard(EventCause cause);
    void sayAll();

    // The picture's accessible name and description, as last brought in step.
    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }

private:
    struct Voice {
        Clock now;
        std::function<void(const std::string& name, const std::string& description)> describe;
        std::function<void(const std::string& words)> say;
        Later later;
    };
    void speakThrough(Voice voice);
    std::string changes();
    std::string onTick(double now);
    void updateTexts();
    void updateControls();

    Form1& form_;
    Voice voice_;
    std::vector<std::string> tipDescriptions_;  // what each tip is for, as the window names it
    std::vector<words::Sentence> known_;
    std::string knownName_;
    std::string name_;
    std::string description_;
    double typedAt_ = -1;  // the last key typed, while its words wait; -1: none wait
    double lastEvent_ = -1e300;
    int ticksSinceTexts_ = 0;
    demos::NewsWatch watch_;  // what the ticks watch for news
};
