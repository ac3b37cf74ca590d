#pragma once

#include <vector>

class Form1;

// "Plane Wave": a cosine travelling to the right, one sample a frame, with the wavelength typed or
// picked in cmbOne (in units of 8 samples) and the attenuation in cmbTwo (per 50 samples).
namespace plane_wave {
void setUp(Form1& form);
void computeFrame(Form1& form);
// The share of its starting height that the wave has at sample `sample` for an attenuation.
double amplitudeAt(double attenuation, int sample);
// The carrier's period in samples for the wavelength in cmbOne: cos((x - t) pi / 4 / w) repeats
// every 8 w samples (a word or a negative text gives its number's size, 0 for a word).
double wavelengthInSteps(const Form1& form);
// The frames after which the picture repeats: the carrier's period, one sample a frame (0 where
// the wavelength is 0 and the picture never repeats).
std::vector<double> periods(const Form1& form);
}  // namespace plane_wave
