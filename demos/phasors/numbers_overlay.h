#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace phasors {

// The phasor numbers over "Phasors", while they show: each phasor's length and phase, and the
// sum's, one under the other in the free space below the sinusoids, each keyed by its colour.
void drawNumbers(const Form1& form, std::vector<drawing::Overlay>& out);

}  // namespace phasors
