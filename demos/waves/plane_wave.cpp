#include "demos/waves/plane_wave.h"

#include <cmath>

#include "app/form1.h"
#include "demos/waves/wave_trace.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace plane_wave {

using number_rules::kPi;
using number_rules::numericValue;

// The first frame is drawn before the lists are refilled, so it shows the texts that the
// previous demonstration left in them.
void setUp(Form1& form) {
    wave_trace::layOut(form);
    wave_trace::restartAnimation(form);
    form.DrawFrame();

    wave_trace::setUpOptionRows(form, N_("Wavelength"), {"0.5", "1.0", "2.0", "5.0", "10.0"},
                                N_("Attenuation"),
                                {"0.0", "0.1", "0.2", "0.5", "1.0", "2.0", "5.0"});
}

double amplitudeAt(double attenuation, int sample) {
    return std::exp((-sample / 50.0) * attenuation);
}

double wavelengthInSteps(const Form1& form) {
    return 8 * std::abs(numericValue(form.cmbOne.text()));
}

std::vector<double> periods(const Form1& form) {
    return {wavelengthInSteps(form)};
}

// Nothing can change the texts during a frame, so each is read once for all 96 samples.
void computeFrame(Form1& form) {
    const double attenuation = numericValue(form.cmbTwo.text());
    const double wavelength = numericValue(form.cmbOne.text());
    for (int i = 0; i <= 95; ++i) {
        const double amplitude = amplitudeAt(attenuation, i);
        const double x = i - 24;
        // The 1e-8 keeps the divisor off zero for a wavelength of "0" or a word.
        const double carrier =
            std::cos((x - form.FrameCount) * kPi / 4 / (wavelength + 0.00000001));
        form.Trace1[i] = wave_trace::boundedSample(carrier * amplitude);
    }
}

}  // namespace plane_wave
