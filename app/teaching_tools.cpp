#include "app/teaching_tools.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"

bool TeachingTools::paused() const {
    return !form_.tmrOne.enabled() && form_.cmdStart.caption() == "Start";
}

bool TeachingTools::stepOneFrame() {
    if (!paused())
        return false;
    form_.advanceOneFrame();
    return true;
}

namespace {

int intervalOf(TeachingTools::Speed speed) {
    switch (speed) {
        case TeachingTools::Speed::Half:
            return 200;
        case TeachingTools::Speed::Quarter:
            return 400;
        case TeachingTools::Speed::Normal:
            break;
    }
    return 100;  // ten frames a second
}

}  // namespace

void TeachingTools::setSpeed(Speed speed) {
    speed_ = speed;
    form_.tmrOne.setInterval(intervalOf(speed_));
}

std::vector<theory_curve::Point> TeachingTools::theoryCurve() const {
    return theory_curve::points(form_, theory_);
}

TeachingTools::Theory TeachingTools::theoryOnShow() const {
    if (!histogram::isOn(form_))
        return Theory::Off;
    if (form_.demoIs("Rayleigh"))
        return Theory::Rayleigh;
    if (form_.demoIs("Ricean"))
        return Theory::Ricean;
    return Theory::Off;
}

void TeachingTools::toggleTheory() {
    theory_ = theory_ != Theory::Off ? Theory::Off : theoryOnShow();
}

bool TeachingTools::recordShown() const {
    return record_ && fading::isShown(form_);
}

bool TeachingTools::recordCanToggle() const {
    return record_ || fading::isShown(form_);
}

void TeachingTools::setFadingRecord(bool on) {
    if (on && !record_)
        recordData_.clear();
    record_ = on;
}

void TeachingTools::setThreshold(int decibels) {
    threshold_ = std::clamp(decibels, kLowestThreshold, kHighestThreshold);
}

void TeachingTools::frameAdvanced() {
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

bool TeachingTools::ellipseShown() const {
    return ellipse_ && form_.demoIs("Polarisation");
}

bool TeachingTools::ellipseCanToggle() const {
    return ellipse_ || form_.demoIs("Polarisation");
}

bool TeachingTools::numbersShown() const {
    return numbers_ && form_.demoIs("Phasors");
}

bool TeachingTools::numbersCanToggle() const {
    return numbers_ || form_.demoIs("Phasors");
}
