#pragma once

#include <utility>
#include <vector>

#include "ui/colour.h"
#include "ui/point_f.h"

class Form1;

// The theory curve over the envelope histogram: for every bar, the count that the distribution of
// the theory expects in its bin after as many counted frames as the bars hold, on the bars' own
// scale. "Rayleigh" is the limit of many scattered rays with the power of the rays shown;
// "Ricean" a direct ray (ray 1) plus the scattered rays 2 to N.
namespace theory_curve {

enum class Theory { Off, Rayleigh, Ricean };
// The curves by name, as a set-up and the menu name them (Off has none).
inline constexpr std::pair<Theory, const char*> kTheoryNames[] = {{Theory::Rayleigh, "Rayleigh"},
                                                                  {Theory::Ricean, "Ricean"}};

// Red: it stands out against the teal and light blue bars and the grey window face.
inline constexpr Colour kColour{0x0000FF};

// One point per bar, left to right, at the bar's horizontal centre and at the top that a bar of
// the expected count would have. Empty while there is nothing to compare: theory Off, the
// histogram off, nothing counted since its last press, no ray ("Ricean": fewer than two rays,
// since a lone direct ray has a constant envelope). The points follow the ray count, hscFixed
// and the counts at every call; a point may lie above the tallest bar.
std::vector<PointF> points(const Form1& form, Theory theory);
// The counts themselves, one per bin: the same frames as the bars hold, shared out as the
// distribution expects them. Empty where points() is.
std::vector<double> expectedCounts(const Form1& form, Theory theory);

}  // namespace theory_curve
