#pragma once

#include <string>
#include <vector>

#include "demos/words.h"

class Form1;

// The picture in words, for a student who cannot see it: the sentences of the demonstration on
// show (demos::Demonstration), then the animation's, the lessons' in use and the projector's.
// Both editions hand them to the screen reader as they are; neither writes a sentence of its own.
namespace picture_description {

// The picture's short name: "Picture of Plane Wave".
std::string name(const Form1& form);
// The sentences of the picture as the window now stands.
std::vector<words::Sentence> describe(const Form1& form);
// Sentences as one text.
std::string joined(const std::vector<words::Sentence>& sentences);

// A scroll bar's value as a screen reader says it next to the bar: "minus 45 degrees",
// "amplitude 1", "Speed 15 of 20".
std::string scrollValue(const Form1& form, const std::string& bar);

}  // namespace picture_description
