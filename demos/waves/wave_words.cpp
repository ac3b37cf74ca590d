#include "demos/waves/wave_words.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/waves/group_velocity.h"
#include "demos/waves/plane_wave.h"
#include "demos/waves/wave_trace.h"
#include "ui/number_rules.h"

namespace wave_words {

using number_rules::numericValue;
using words::Kind;
using words::spoken;

void describePlaneWave(const Form1& form, words::Writer& w) {
    w.add(Kind::WaveTravels, "wave",
          "A cosine wave travels from left to right along a line of 96 steps, one step a frame.");
    const double wavelength = plane_wave::wavelengthInSteps(form);
    if (wavelength == 0) {
        w.add(Kind::NoWavelength, "wavelength",
              "The wavelength is 0, so no wave shows: each step jumps to a height of its own.");
    } else {
        const std::string steps = spoken(wavelength, 1);
        w.add(Kind::Wavelength, "wavelength",
              "Its wavelength is " + steps + " steps, so a crest passes each point every " + steps +
                  " frames" +
                  (wavelength > 96 ? ", and the line shows less than one wavelength." : "."));
    }
    const double attenuation = numericValue(form.cmbTwo.text());
    // What is left at the last sample, step 95.
    const double left = plane_wave::amplitudeAt(attenuation, 95);
    if (attenuation == 0) {
        w.add(Kind::Lossless, "attenuation",
              "There is no attenuation: the wave keeps its full height all along the line.");
    } else if (attenuation > 0) {
        w.add(Kind::Attenuated, "attenuation",
              "With attenuation " + spoken(attenuation, 2) +
                  " the wave dies away along the line: at the right end it has " +
                  (left < 0.005 ? std::string("less than 0.01") : spoken(left, 2)) +
                  " of its starting height.");
    } else {
        w.add(Kind::Growing, "attenuation",
              "With a negative attenuation, " + spoken(attenuation, 2) +
                  ", the wave grows along the line: at the right end it is " +
                  spoken(std::min(left, 1e6), 1) + " times its starting height.");
    }
}

namespace {

std::string velocity(double v) {
    return spoken(v, 2) + (std::abs(v) == 1 ? " step" : " steps") + " a frame";
}

}  // namespace

void describeGroups(const Form1& form, words::Writer& w) {
    // The frame reads the group velocity as OptionValue, the phase velocity from the second list.
    const double group = form.OptionValue;
    const double phase = numericValue(form.cmbTwo.text());
    w.add(Kind::Groups, "groups",
          "Wave groups, each 30 steps long, move at the group velocity, " + velocity(group) +
              "; inside them the crests move at the phase velocity, " + velocity(phase) + ".");
    if (group == 0 && phase == 0) {
        w.add(Kind::NothingMoves, "crests", "Both velocities are 0: nothing moves.");
    } else if (group == 0) {
        w.add(Kind::GroupsStandStill, "crests",
              "The groups stand still while the crests run through them.");
    } else if (phase == 0) {
        w.add(Kind::CrestsStandStill, "crests",
              "The crests stand still and the groups slide over them.");
    } else if (phase == group) {
        w.add(Kind::CrestsRide, "crests",
              "The crests ride with their groups, as in a medium without dispersion.");
    } else if (phase > group) {
        w.add(Kind::CrestsFaster, "crests",
              "The crests run forwards through the groups, faster than the groups, as in a "
              "dispersive medium.");
    } else {
        w.add(Kind::CrestsSlower, "crests",
              "The crests fall back through the groups, slower than the groups.");
    }
    const double height = wave_trace::markerHeight(form);
    if (std::abs(height) < 0.02) {
        w.add(Kind::Marker, "marker",
              "The green marker in the middle of the line rests on it: no crest is there now.",
              true);
    } else {
        w.add(Kind::Marker, "marker",
              "The green marker in the middle of the line stands " + spoken(std::abs(height), 2) +
                  " of the full height " + (height > 0 ? "above" : "below") + " the line.",
              true);
    }
}

std::string groupNews(const Form1& form, GroupWatch& watch) {
    if (form.OptionValue == 0)
        return "";
    // The marker rides on the joint at x = 6000, over sample 48.
    const bool group = group_velocity::envelope(form, 48) > 0.05;
    const bool arrived = group && !watch.groupAtMarker;
    watch.groupAtMarker = group;
    return arrived ? "A wave group reaches the green marker." : "";
}

}  // namespace wave_words
