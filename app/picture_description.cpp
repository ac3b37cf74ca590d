#include "app/picture_description.h"

#include "app/form1.h"
#include "demos/demonstrations.h"
#include "i18n/translate.h"

namespace picture_description {

using words::Kind;
using words::quoted;
using words::spoken;

std::string name(const Form1& form) {
    if (demos::shown(form) == nullptr)
        return i18n::tr("Picture of the demonstrations");
    // TRANSLATORS: the picture's name for a screen reader; %1$s is the demonstration's name as
    // the demo list shows it.
    return i18n::format(i18n::tr("Picture of %1$s"), {i18n::shown(form.cmbDemo.text())});
}

std::vector<words::Sentence> describe(const Form1& form) {
    words::Writer w;
    const demos::Demonstration* shown = demos::shown(form);
    if (shown != nullptr) {
        shown->describe(form, w);
    } else {
        w.add(Kind::UnknownDemo, "demo",
              // TRANSLATORS: %1$s is the text typed in the demo list, in quotation marks.
              i18n::format(i18n::tr("The demo list holds %1$s, which names no demonstration: the "
                                    "picture stays as it was."),
                           {quoted(form.cmbDemo.text())}));
    }
    if (form.lesson.paused()) {
        w.add(Kind::Paused, "animation",
              // TRANSLATORS: "Start" is the caption of the button that runs the animation; write
              // it as the window shows it.
              i18n::tr("The animation is paused: \"Start\" runs it again, and the full stop key "
                       "steps one frame."));
    } else {
        const char* running = i18n::tr("The animation runs at ten frames a second.");
        if (form.lesson.speed() == LessonState::Speed::Half)
            running = i18n::tr("The animation runs at five frames a second, half speed.");
        if (form.lesson.speed() == LessonState::Speed::Quarter)
            running =
                i18n::tr("The animation runs at two and a half frames a second, quarter speed.");
        w.add(Kind::Running, "animation", running);
    }
    if (shown != nullptr)
        shown->describeLessons(form, w);
    if (form.lesson.projector()) {
        w.add(Kind::Projector, "projector",
              i18n::tr("Projector contrast is on: a white background and lines at least 2 pixels "
                       "wide."));
    }
    return w.take();
}

std::string joined(const std::vector<words::Sentence>& sentences) {
    std::string text;
    for (const words::Sentence& sentence : sentences) {
        if (!text.empty())
            text += ' ';
        text += sentence.text;
    }
    return text;
}

std::string scrollValue(const Form1& form, const std::string& bar) {
    // The value a screen reader says for a scroll bar.
    if (bar == form.hscPhase.name()) {
        // TRANSLATORS: a scroll bar's value for a screen reader: the relative phase.
        return i18n::format(i18n::tr("%1$s degrees"), {spoken(form.hscPhase.value(), 0)});
    }
    // TRANSLATORS: a scroll bar's value for a screen reader: a component's amplitude ("1.5").
    const char* const amplitude = i18n::tr("amplitude %1$s");
    if (bar == form.hscAmp1.name())
        return i18n::format(amplitude, {spoken(form.hscAmp1.value() / 50.0, 2)});
    if (bar == form.hscAmp2.name())
        return i18n::format(amplitude, {spoken(form.hscAmp2.value() / 50.0, 2)});
    if (bar == form.hscRate.name()) {
        // TRANSLATORS: a scroll bar's value for a screen reader: "Speed" (its caption) is at %1$s
        // of its largest value %2$s.
        return i18n::format(i18n::tr("Speed %1$s of %2$s"),
                            {spoken(form.hscRate.value(), 0), spoken(form.hscRate.max(), 0)});
    }
    if (bar == form.hscFixed.name()) {
        // TRANSLATORS: a scroll bar's value for a screen reader: "Fixed" (its caption) is at %1$s
        // of its largest value %2$s.
        return i18n::format(i18n::tr("Fixed %1$s of %2$s"),
                            {spoken(form.hscFixed.value(), 0), spoken(form.hscFixed.max(), 0)});
    }
    return "";
}

}  // namespace picture_description
