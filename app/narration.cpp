#include "app/narration.h"

#include "app/form1.h"
#include "app/picture_description.h"
#include "demos/fading/histogram.h"
#include "demos/phasors/phasor_words.h"
#include "i18n/translate.h"

namespace {

using words::Sentence;

// A running picture's description is brought in step once a second.
constexpr int kTicksPerRefresh = 10;

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
        const std::string place = phasor_words::tipPlace(form_, k);
        const std::string purpose = i18n::shown(tipDescriptions_[k]);
        form_.cmdPhasor[k].setAccessibleDescription(
            // TRANSLATORS: a phasor's tip for a screen reader: %1$s is where it is, %2$s what it
            // is for ("Drag it, or move it with the arrow keys, to set phasor 1").
            i18n::format(i18n::tr("%1$s. %2$s"), {place, purpose}));
    }
    for (ScrollBar* bar :
         {&form_.hscPhase, &form_.hscAmp1, &form_.hscAmp2, &form_.hscRate, &form_.hscFixed}) {
        bar->setAccessibleValue(picture_description::scrollValue(form_, bar->name()));
    }
    const bool on = histogram::isOn(form_);
    form_.cmdHist.setAccessiblePressed(on);
    // In English, as the window's other descriptions: a view shows their translation.
    form_.cmdHist.setAccessibleDescription(
        on ? N_("The histogram is on: press again to count afresh from zero")
           : N_("Start collecting the histogram of the received envelope"));
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
    const std::string description = picture_description::joined(known_);
    // TRANSLATORS: all that a screen reader says of the picture: %1$s is its name ("Picture of
    // Rayleigh"), %2$s its description, a few sentences.
    return i18n::format(i18n::tr("%1$s. %2$s"), {knownName_, description});
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
        watch_.pictureChanged();
    known_ = std::move(now);
    knownName_ = name;
    return picture_description::joined(said);
}

std::string Narration::onTick(double now) {
    // What happens while the words must wait is passed by, but for what the demonstration keeps
    // waiting to be told (a histogram's settling).
    const bool mayTell = now - lastEvent_ >= kEventGap;
    const demos::Demonstration* shown = demos::shown(form_);
    const std::string event = shown != nullptr ? shown->news(form_, watch_, mayTell) : "";
    if (event.empty() || !mayTell)
        return "";
    lastEvent_ = now;
    return event;
}
