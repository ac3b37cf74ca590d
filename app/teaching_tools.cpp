#include "app/teaching_tools.h"

#include "app/form1.h"

bool TeachingTools::paused() const {
    return !form_.tmrOne.enabled() && form_.cmdStart.caption() == "Start";
}

bool TeachingTools::stepOneFrame() {
    if (!paused())
        return false;
    form_.advanceOneFrame();
    return true;
}

void TeachingTools::setSpeed(Speed speed) {
    speed_ = speed;
    keepSpeed();
}

int TeachingTools::intervalOf(Speed speed) {
    switch (speed) {
        case Speed::Half:
            return 200;
        case Speed::Quarter:
            return 400;
        case Speed::Normal:
            break;
    }
    return 100;  // ten frames a second
}

void TeachingTools::keepSpeed() {
    form_.tmrOne.setInterval(intervalOf(speed_));
}

std::vector<theory_curve::Point> TeachingTools::theoryCurve() const {
    return theory_curve::points(form_, theory_);
}
