#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace fading_record {

// The fading record over "Rayleigh" and "Ricean", while it shows: a strip chart in the free space
// below the histogram's controls of the envelope of the last frames in dB against its running
// rms, on a scale of 10 dB steps with the threshold on it and the frames below it; and beside it,
// below the rays' axes, the share of frames below the threshold against the theory.
void drawRecord(const Form1& form, std::vector<drawing::Overlay>& out);

// The chart inside the panel, in twips: kTopDecibels at its top, kBottomDecibels at its bottom,
// the newest frame at its right edge.
RectF chartBox();
// Where a level of `decibels` against the rms stands on the chart, kept within its scale.
double yOfDecibels(double decibels);

}  // namespace fading_record
