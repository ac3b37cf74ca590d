#pragma once

#include <string>

#include "demos/words.h"

class Form1;

// "Phasors" in words: each phasor's and the sum's length, phase and direction, and how the two
// relate; the phasor numbers while they show; and a tip's place as its control tells it.
namespace phasor_words {

void describe(const Form1& form, words::Writer& w);
void describeLessons(const Form1& form, words::Writer& w);

// Where tip `index` stands (2 for the sum's), as its control tells a screen reader: "1146 twips
// long at phase 137 degrees, pointing up and to the right", or "No length, on its origin".
std::string tipPlace(const Form1& form, int index);

}  // namespace phasor_words
