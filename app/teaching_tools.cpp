#include "app/teaching_tools.h"

#include "app/form1.h"
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
