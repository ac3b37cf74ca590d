#include "demos/phasors/phase_angle.h"

#include <cmath>

#include "ui/number_rules.h"

double PhaseAngle(const double& a, const double& b) {
    using number_rules::kPi;
    if (a == 0 && b == 0)
        return 0;
    if (a == 0)
        return b > 0 ? kPi / 2 : -kPi / 2;
    return std::atan(b / a) + (a < 0 ? kPi : 0);
}
