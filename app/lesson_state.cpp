#include "app/lesson_state.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"

bool LessonState::paused() const {
    return !form_.tmrOne.enabled() && form_.cmdStart.caption() == "Start";
}

bool LessonState::stepOneFrame() {
    if (!paused())
        return false;
    form_.advanceOneFrame();
    return true;
}

namespace {

int intervalOf(LessonState::Speed speed) {
    switch (speed) {
        case LessonState::Speed::Half:
            return 200;
        case LessonState::Speed::Quarter:
            return 400;
        case LessonState::Speed::Normal:
            break;
    }
    return 100;  // ten frames a second
}

}  // namespace

void LessonState::setSpeed(Speed speed) {
    speed_ = speed;
    form_.tmrOne.setInterval(intervalOf(speed_));
}

std::vector<PointF> LessonState::theoryCurve() const {
    return theory_curve::points(form_, theory_);
}

LessonState::Theory LessonState::theoryOnShow() const {
    if (!histogram::isOn(form_))
        return Theory::Off;
    if (form_.demoIs("Rayleigh"))
        return Theory::Rayleigh;
    if (form_.demoIs("Ricean"))
        return Theory::Ricean;
    return Theory::Off;
}

void LessonState::toggleTheory() {
    theory_ = theory_ != Theory::Off ? Theory::Off : theoryOnShow();
}

bool LessonState::recordShown() const {
    return record_ && fading::isShown(form_);
}

bool LessonState::recordCanToggle() const {
    return record_ || fading::isShown(form_);
}

void LessonState::setFadingRecord(bool on) {
    if (on && !record_)
        recordData_.clear();
    record_ = on;
}

void LessonState::setThreshold(int decibels) {
    threshold_ = std::clamp(decibels, kLowestThreshold, kHighestThreshold);
}

void LessonState::frameAdvanced() {
    if (!recordShown() || fading::rayCount(form_) < 1)
        return;
    // A record is of one demonstration with the same rays: other rays, another record.
    const std::string of = form_.cmbDemo.text() + "/" + form_.cmbOne.text() + "/" +
                           std::to_string(form_.hscFixed.value());
    if (of != recordedFor_) {
        recordData_.clear();
        recordedFor_ = of;
    }
    recordData_.add(fading::envelope(form_));
}

bool LessonState::ellipseShown() const {
    return ellipse_ && form_.demoIs("Polarisation");
}

bool LessonState::ellipseCanToggle() const {
    return ellipse_ || form_.demoIs("Polarisation");
}

bool LessonState::numbersShown() const {
    return numbers_ && form_.demoIs("Phasors");
}

bool LessonState::numbersCanToggle() const {
    return numbers_ || form_.demoIs("Phasors");
}
