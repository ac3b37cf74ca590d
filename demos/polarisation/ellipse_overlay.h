#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace polarisation {

// The ellipse tool over "Polarisation": the path of the sum over the last cycle, in the sum's
// purple, and its caption at the top right, where the polarisation shows nothing: the kind and
// the turn on one line, the axial ratio and the tilt below, so that the words keep the captions'
// size in the width there is.
void drawEllipse(const Form1& form, std::vector<drawing::Overlay>& out);

}  // namespace polarisation
