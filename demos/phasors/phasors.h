#pragma once

#include <vector>

#include "demos/figure.h"

class Button;
class Form1;

// "Phasors": phasor 1 (green) and phasor 2 (blue) set by dragging their tip handles, their
// head-to-tail sum with the purple resultant handle, and beside each diagram the sinusoid that
// the phasor stands for, 16 samples a cycle, in twips from its axis.
namespace phasors {

void setUp(Form1& form);
void drawFrame(Form1& form);

// A left-button press on handle 0 or 1 begins a drag; the resultant handle cannot be dragged.
void cmdPhasor_MouseDown(Form1& form, int index, int button, int shift, float x, float y);

// A dropped handle is centred on the drop point, then its top-left corner is snapped down and
// to the left onto the 60-twip grid. The size of cmdPhasor(0) stands for every handle.
void Form_DragDrop(Form1& form, Button& source, float x, float y);

// The tip of phasor 0 or 1 as an offset from its diagram's origin, where the diagram's vertical
// axis crosses its horizontal one; index 2, the sum, is the two added.
struct Offset {
    double x = 0;  // rightwards
    double y = 0;  // downwards
    bool isZero() const { return x == 0 && y == 0; }
};
Offset tipOffset(const Form1& form, int index);
// An offset's length in twips, and its phase in degrees as the sinusoid beside the diagram has
// it: from the downward vertical (PhaseAngle of the downward and the rightward part).
double lengthOf(Offset offset);
double phaseDegrees(Offset offset);
// Sample `sample` (0 to 95, 16 a cycle) of the sinusoid that an offset stands for, in twips below
// its axis: as the frame draws it beside the diagram.
double sinusoidAt(Offset offset, int sample);

// Whether handle 0 or 1 still stands on its diagram's origin, where the set-up puts it and where
// no drop can put it back.
bool tipAtOrigin(const Form1& form, int index);

// Where the phasor numbers stand while they show: below the sinusoids, where the demonstration
// hides the option rows.
inline constexpr RectF kNumbersArea{4740, 7200, 7020, 1560};

// The figures of the phasor picture: each phasor's diagram with its sinusoid beside it, the sum's
// at the bottom, and the numbers below them while they show.
std::vector<demos::Figure> figures(const Form1& form);

}  // namespace phasors
