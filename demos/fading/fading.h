#pragma once

#include <vector>

#include "demos/figure.h"

class Form1;

// "Rayleigh" and "Ricean": up to ten rays, each a phasor of fixed length whose phase wanders at
// random, drawn head to tail from the crossing of the axes; the dotted closing line back to the
// origin is the received signal and its length the envelope. In "Ricean" ray 1 is the direct
// component, 200 twips per step of hscFixed.
namespace fading {

void setUp(Form1& form);
void drawFrame(Form1& form);

// The number of rays that a text of cmbOne names; 0 for any other text.
int rayCount(const Form1& form);

// The length of the direct component of "Ricean" in twips, as hscFixed stands.
double directLength(const Form1& form);
// Whether ray 1 is the direct component: "Ricean".
bool hasDirectRay(const Form1& form);
// What the frame multiplies a random angle of -pi to pi by, from hscRate: ((rate + 1) x 0.1) / 10.
double phaseStepScale(const Form1& form);
// The most a ray's phase moves in one frame, in radians: pi x phaseStepScale.
double largestPhaseStep(const Form1& form);
// Whether "Speed" is below its top, where the phases wander too slowly for the statistics of many
// independent fades to show in the histogram or the record.
bool phasesWanderSlowly(const Form1& form);
// The received envelope as the last frame drew it: the length of the closing line lnePol(5), in
// twips.
double envelope(const Form1& form);
// The power of the rays from ray `first` to the last one, as the last frame drew them: the sum of
// their squared lengths (twips squared).
double rayPower(const Form1& form, int first = 1);

// The figures of the fading picture: the axes with the ray chain, the histogram, and the space
// below the histogram's controls where the fading record draws.
std::vector<demos::Figure> figures(const Form1& form);

}  // namespace fading
