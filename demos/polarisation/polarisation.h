#pragma once

#include <string>

class Form1;

// "Polarisation": the momentary tips of two field components and of their sum, 1800 twips per
// unit of amplitude around the crossing of the axes, each with its projections onto the axes.
// One cycle takes 24 frames; component 2 is shifted by the relative phase of hscPhase.
namespace polarisation {

struct FieldVector {
    double x = 0;  // horizontal part, to the right
    double y = 0;  // vertical part, downwards on the screen
};

// The field vector of a polarisation named by `text` at phase `phase`; any text that is not one
// of the five entries, exactly, gives (0, 0) as "Off" does.
FieldVector fieldVector(const std::string& text, double phase);

void setUp(Form1& form);
void drawFrame(Form1& form);

}  // namespace polarisation
