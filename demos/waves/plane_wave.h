#pragma once

class Form1;

// "Plane Wave": a cosine travelling to the right, one sample a frame, with the wavelength typed or
// picked in cmbOne (in units of 8 samples) and the attenuation in cmbTwo (per 50 samples).
namespace plane_wave {
void setUp(Form1& form);
void computeFrame(Form1& form);
}  // namespace plane_wave
