#pragma once

#include <vector>

#include "ui/drawing/form_drawing.h"

class Form1;

namespace polarisation {

// The ellipse tool over "Polarisation": the smooth curve that the two components define, in the
// sum's purple, with the tip's last cycle of frames as dots on it, and its caption at the top
// right, where the polarisation shows nothing, dark as the window's labels: the kind and the turn,
// then the axial ratio and the tilt, each broken into lines where the width needs it.
void drawEllipse(const Form1& form, std::vector<drawing::Overlay>& out);

}  // namespace polarisation
