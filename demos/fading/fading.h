#pragma once

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
// Whether the window shows "Rayleigh" or "Ricean".
bool isShown(const Form1& form);
// The received envelope as the last frame drew it: the length of the closing line lnePol(5), in
// twips.
double envelope(const Form1& form);
// The power of the rays from ray `first` to the last one, as the last frame drew them: the sum of
// their squared lengths (twips squared).
double rayPower(const Form1& form, int first = 1);

}  // namespace fading
