#pragma once

#include <vector>

#include "ui/drawing/arrangement.h"

class Form1;

// The parts of the window that a phone places on its own, in the order it stacks them: the
// picture (everything above the option rows), the option rows, the histogram's button and scroll
// bars with their labels (a hole in the picture), and "Demo:" with its list, "Pause" and the
// logo. Each is the box of its controls that show (a part with none shows nothing) and keeps its
// inner layout from the design.
std::vector<drawing::FormPart> formParts(const Form1& form);
