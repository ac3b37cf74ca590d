#include "app/narration.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"
#include "ui/number_rules.h"

namespace {

using picture_description::Sentence;

// A running picture's description is brought in step once a second.
constexpr int kTicksPerRefresh = 10;
// A histogram has settled when no bar's share of the frames moves by more than this between two
// looks kSettleFrames counted frames apart, after at least kSettleAfter frames.
constexpr double kSettled = 0.005;
constexpr double kSettleFrames = 200;
constexpr double kSettleAfter = 1000;

const Sentence* findTopic(const std::vector<Sentence>& sentences, const std::string& topic) {
    for (const Sentence& s : sentences) {
        if (s.topic == topic)
            return &s;
    }
    return nullptr;
}

}  // namespace

Narration::Narration(Form1& form) : form_(form) {
    for (int k = 0; k < 3; ++k)
        tipDescriptions_.push_back(form_.cmdPhasor[k].accessibleDescription());
    updateControls();
    updateTexts();
    known_ = picture_description::describe(form_);
    knownName_ = name_;
}

void Narration::updateTexts() {
    name_ = picture_description::name(form_);
    description_ = picture_description::joined(picture_description::describe(form_));
}

void Narration::updateControls() {
    // A tip tells its place first, then what it is for; a button has no value of its own.
    for (int k = 0; k < 3; ++k) {
        form_.cmdPhasor[k].setAccessibleDescription(picture_description::tipPlace(form_, k) + ". " +
                                                    tipDescriptions_[k]);
    }
    for (ScrollBar* bar :
         {&form_.hscPhase, &form_.hscAmp1, &form_.hscAmp2, &form_.hscRate, &form_.hscFixed}) {
        bar->setAccessibleValue(picture_description::scrollValue(form_, bar->name()));
    }
    const bool on = histogram::isOn(form_);
    form_.cmdHist.setAccessiblePressed(on);
    form_.cmdHist.setAccessibleDescription(
        on ? "The histogram is on: press again to count afresh from zero"
           : "Start collecting the histogram of the received envelope");
}

std::string Narration::delivered(EventCause cause, double now) {
    updateControls();
    if (cause != EventCause::Tick || ++ticksSinceTexts_ >= kTicksPerRefresh) {
        ticksSinceTexts_ = 0;
        updateTexts();
    }
    switch (cause) {
        case EventCause::Typing:
            typedAt_ = now;
            return "";
        case EventCause::User:
            typedAt_ = -1;
            return changes();
        case EventCause::Tick:
            break;
    }
    if (typedAt_ >= 0)
        return due(now);  // never a sentence of its own while the student types
    return onTick(now);
}

std::string Narration::due(double now) {
    if (typedAt_ < 0 || now - typedAt_ < kTypingPause)
        return "";
    typedAt_ = -1;
    return changes();
}

void Narration::speakThrough(Voice voice) {
    voice_ = std::move(voice);
    voice_.describe(name_, description_);
}

void Narration::heard(EventCause cause) {
    const std::string words = delivered(cause, voice_.now());
    voice_.describe(name_, description_);
    voice_.say(words);
    // Typed text is said once the student has paused; each key starts the wait again.
    if (cause == EventCause::Typing) {
        voice_.later(kTypingPause + 20, [this] { voice_.say(due(voice_.now())); });
    }
}

void Narration::sayAll() {
    voice_.say(describeAll());
}

std::string Narration::describeAll() {
    known_ = picture_description::describe(form_);
    knownName_ = picture_description::name(form_);
    return knownName_ + ". " + picture_description::joined(known_);
}

// The sentences that the change made anew: all of them for another demonstration, else those
// whose topic is new or whose words differ, but for the ones that change at every frame anyway.
std::string Narration::changes() {
    std::vector<Sentence> now = picture_description::describe(form_);
    const std::string name = picture_description::name(form_);
    std::vector<Sentence> said;
    for (const Sentence& sentence : now) {
        const Sentence* before = findTopic(known_, sentence.topic);
        const bool anew = name != knownName_ || before == nullptr ||
                          (before->text != sentence.text && !sentence.everyFrame);
        if (anew)
            said.push_back(sentence);
    }
    if (name != knownName_)
        histogramSettled_ = false;
    known_ = std::move(now);
    knownName_ = name;
    return picture_description::joined(said);
}

std::string Narration::onTick(double now) {
    // What happens while the words must wait is passed by, but for the histogram's settling,
    // which waits to be said.
    const bool mayTell = now - lastEvent_ >= kEventGap;
    std::string event;
    const int rays = fading::rayCount(form_);
    if (fading::isShown(form_) && rays >= 2) {
        const std::vector<Sentence> sentences = picture_description::describe(form_);
        const Sentence* signal = findTopic(sentences, "signal");
        const bool deep = signal != nullptr && signal->text.find("deep fade") != std::string::npos;
        if (deep && !inDeepFade_)
            event = "A deep fade. " + signal->text;
        inDeepFade_ = deep;
        if (histogram::isOn(form_)) {
            double total = 0;
            for (int k = 0; k < histogram::kBins; ++k) total += form_.HistBins[k];
            if (total < snapshotTotal_) {
                histogramSettled_ = false;  // counted afresh
                snapshot_.clear();
                snapshotTotal_ = 0;
            }
            if (mayTell && !histogramSettled_ && total >= kSettleAfter &&
                total - snapshotTotal_ >= kSettleFrames) {
                bool settled = snapshot_.size() == static_cast<std::size_t>(histogram::kBins);
                for (int k = 0; k < histogram::kBins && settled; ++k) {
                    settled = std::abs(form_.HistBins[k] / total - snapshot_[k] / snapshotTotal_) <=
                              kSettled;
                }
                snapshot_.assign(form_.HistBins.begin(), form_.HistBins.end());
                snapshotTotal_ = total;
                if (settled) {
                    histogramSettled_ = true;
                    const Sentence* shape = findTopic(sentences, "histogram");
                    event = "The histogram has settled. " + (shape ? shape->text : "");
                }
            }
        }
    } else if (form_.demoIs("Group Velocity") && form_.OptionValue != 0) {
        // The group over the marker's sample, 48, 24 steps right of the wave's origin.
        const double envelope =
            std::cos((24 - form_.OptionValue * form_.FrameCount) * number_rules::kPi / 30);
        const bool group = envelope > 0.05;
        if (group && !groupAtMarker_)
            event = "A wave group reaches the green marker.";
        groupAtMarker_ = group;
    }
    if (event.empty() || !mayTell)
        return "";
    lastEvent_ = now;
    return event;
}
