#pragma once

#include "demos/words.h"

class Form1;

// "Polarisation" in words: the two components with their amplitudes, the relative phase, and the
// figure the sum runs along; the ellipse tool's caption while it shows.
namespace polarisation_words {

void describe(const Form1& form, words::Writer& w);
void describeLessons(const Form1& form, words::Writer& w);

}  // namespace polarisation_words
