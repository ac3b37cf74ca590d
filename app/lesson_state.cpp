#include "app/lesson_state.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/demonstrations.h"
#include "demos/fading/histogram.h"

LessonState& LessonState::operator=(const LessonState& other) {
    speed_ = other.speed_;
    theory_ = other.theory_;
    projector_ = other.projector_;
    record_ = other.record_;
    threshold_ = other.threshold_;
    recordData_ = other.recordData_;
    ellipse_ = other.ellipse_;
    numbers_ = other.numbers_;
    return *this;
}

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
    const demos::Demonstration* shown = demos::shown(form_);
    if (!histogram::isOn(form_) || shown == nullptr)
        return Theory::Off;
    return shown->theory;
}

void LessonState::toggleTheory() {
    theory_ = theory_ != Theory::Off ? Theory::Off : theoryOnShow();
}

bool LessonState::recordShown() const {
    return record_ && demos::offers(form_, demos::Lesson::FadingRecord);
}

bool LessonState::recordCanToggle() const {
    return record_ || demos::offers(form_, demos::Lesson::FadingRecord);
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
    if (recordShown())
        recordData_.keepFrame(form_);
}

bool LessonState::ellipseShown() const {
    return ellipse_ && demos::offers(form_, demos::Lesson::Ellipse);
}

bool LessonState::ellipseCanToggle() const {
    return ellipse_ || demos::offers(form_, demos::Lesson::Ellipse);
}

bool LessonState::numbersShown() const {
    return numbers_ && demos::offers(form_, demos::Lesson::PhasorNumbers);
}

bool LessonState::numbersCanToggle() const {
    return numbers_ || demos::offers(form_, demos::Lesson::PhasorNumbers);
}
