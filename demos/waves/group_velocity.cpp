#include "demos/waves/group_velocity.h"

#include <cmath>

#include "app/form1.h"
#include "demos/waves/wave_trace.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace group_velocity {

using number_rules::kPi;

void setUp(Form1& form) {
    const auto velocities = {"0.0", "0.1", "0.2", "0.5", "1.0", "2.0", "5.0", "10.0"};
    wave_trace::setUpOptionRows(form, N_("Group Velocity"), velocities, N_("Phase Velocity"),
                                velocities);
    wave_trace::layOut(form);
    wave_trace::restartAnimation(form);
    form.Shape1[0].setVisible(true);
    form.DrawFrame();
}

double envelope(const Form1& form, int sample) {
    const double x = sample - 24;
    const double envelope = std::cos((x - form.OptionValue * form.FrameCount) * kPi / 30);
    return envelope < 0 ? 0 : envelope;
}

std::vector<double> periods(const Form1& form) {
    std::vector<double> result;
    const double speeds[] = {form.OptionValue, number_rules::numericValue(form.cmbTwo.text())};
    const double lengths[] = {60, 8};
    for (int i = 0; i < 2; ++i) {
        if (speeds[i] != 0)
            result.push_back(lengths[i] / std::abs(speeds[i]));
    }
    return result;
}

// Nothing can change the text during a frame, so it is read once for all 96 samples.
void computeFrame(Form1& form) {
    const double phaseVelocity = number_rules::numericValue(form.cmbTwo.text());
    for (int i = 0; i <= 95; ++i) {
        const double x = i - 24;
        const double carrier = std::cos((x - phaseVelocity * form.FrameCount) * kPi / 4);
        form.Trace1[i] = wave_trace::boundedSample(carrier * envelope(form, i));
    }
}

}  // namespace group_velocity
