#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace fading_record {

// The fading record over "Rayleigh" and "Ricean", while it shows: a strip chart in the free space
// below the histogram's controls of the envelope of the last frames in dB against its running
// rms, the 0 dB line, the threshold, and the share of frames below it against the theory.
void drawRecord(const Form1& form, std::vector<drawing::Overlay>& out);

}  // namespace fading_record
