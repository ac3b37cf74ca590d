#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace phasors {

// The phasor numbers over "Phasors", while they show: each phasor's length and phase, and the
// sum's, in the gap below its diagram.
void drawNumbers(const Form1& form, std::vector<drawing::Overlay>& out);

}  // namespace phasors
