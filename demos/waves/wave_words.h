#pragma once

#include <string>

#include "demos/words.h"

class Form1;

// The two wave demonstrations in words: how the wave travels, its wavelength and what the
// attenuation leaves of it; the groups, their crests and the marker.
namespace wave_words {

void describePlaneWave(const Form1& form, words::Writer& w);
void describeGroups(const Form1& form, words::Writer& w);

// What the running "Group Velocity" watches: a group arriving at the marker.
struct GroupWatch {
    bool groupAtMarker = false;
};
// "A wave group reaches the green marker." at the frame a group arrives, else "".
std::string groupNews(const Form1& form, GroupWatch& watch);

}  // namespace wave_words
