#include "app/picture_description.h"

#include "app/form1.h"
#include "demos/demonstrations.h"

namespace picture_description {

using words::Kind;
using words::quoted;
using words::spoken;

std::string name(const Form1& form) {
    return demos::shown(form) != nullptr ? "Picture of " + form.cmbDemo.text()
                                         : std::string("Picture of the demonstrations");
}

std::vector<words::Sentence> describe(const Form1& form) {
    words::Writer w;
    const demos::Demonstration* shown = demos::shown(form);
    if (shown != nullptr) {
        shown->describe(form, w);
    } else {
        w.add(Kind::UnknownDemo, "demo",
              "The demo list holds " + quoted(form.cmbDemo.text()) +
                  ", which names no demonstration: the picture stays as it was.");
    }
    if (form.lesson.paused()) {
        w.add(Kind::Paused, "animation",
              "The animation is paused: \"Start\" runs it again, and the full stop key steps one "
              "frame.");
    } else {
        const char* pace = "ten frames a second";
        if (form.lesson.speed() == LessonState::Speed::Half)
            pace = "five frames a second, half speed";
        if (form.lesson.speed() == LessonState::Speed::Quarter)
            pace = "two and a half frames a second, quarter speed";
        w.add(Kind::Running, "animation", std::string("The animation runs at ") + pace + ".");
    }
    if (shown != nullptr)
        shown->describeLessons(form, w);
    if (form.lesson.projector()) {
        w.add(Kind::Projector, "projector",
              "Projector contrast is on: a white background and lines at least 2 pixels wide.");
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
    if (bar == form.hscPhase.name())
        return spoken(form.hscPhase.value(), 0) + " degrees";
    if (bar == form.hscAmp1.name())
        return "amplitude " + spoken(form.hscAmp1.value() / 50.0, 2);
    if (bar == form.hscAmp2.name())
        return "amplitude " + spoken(form.hscAmp2.value() / 50.0, 2);
    if (bar == form.hscRate.name())
        return "Speed " + spoken(form.hscRate.value(), 0) + " of " + spoken(form.hscRate.max(), 0);
    if (bar == form.hscFixed.name())
        return "Fixed " + spoken(form.hscFixed.value(), 0) + " of " +
               spoken(form.hscFixed.max(), 0);
    return "";
}

}  // namespace picture_description
