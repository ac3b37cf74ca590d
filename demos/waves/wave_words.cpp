#include "demos/waves/wave_words.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/waves/group_velocity.h"
#include "demos/waves/plane_wave.h"
#include "demos/waves/wave_trace.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace wave_words {

using number_rules::numericValue;
using words::Kind;
using words::spoken;

void describePlaneWave(const Form1& form, words::Writer& w) {
    w.add(Kind::WaveTravels, "wave",
          i18n::tr("A cosine wave travels from left to right along a line of 96 steps, one step a "
                   "frame."));
    const double wavelength = plane_wave::wavelengthInSteps(form);
    if (wavelength == 0) {
        w.add(Kind::NoWavelength, "wavelength",
              i18n::tr("The wavelength is 0, so no wave shows: each step jumps to a height of its "
                       "own."));
    } else {
        const std::string steps = spoken(wavelength, 1);
        w.add(Kind::Wavelength, "wavelength",
              i18n::format(
                  wavelength > 96
                      // TRANSLATORS: %1$s is the wavelength, a number of steps (and of frames).
                      ? i18n::tr("Its wavelength is %1$s steps, so a crest passes each point every "
                                 "%1$s frames, and the line shows less than one wavelength.")
                      // TRANSLATORS: %1$s is the wavelength, a number of steps (and of frames).
                      : i18n::tr("Its wavelength is %1$s steps, so a crest passes each point every "
                                 "%1$s frames."),
                  {steps}));
    }
    const double attenuation = numericValue(form.cmbTwo.text());
    // What is left at the last sample, step 95.
    const double left = plane_wave::amplitudeAt(attenuation, 95);
    if (attenuation == 0) {
        w.add(Kind::Lossless, "attenuation",
              i18n::tr("There is no attenuation: the wave keeps its full height all along the "
                       "line."));
    } else if (attenuation > 0) {
        const std::string value = spoken(attenuation, 2);
        const std::string rest = spoken(left < 0.005 ? 0.01 : left, 2);
        w.add(Kind::Attenuated, "attenuation",
              i18n::format(
                  left < 0.005
                      // TRANSLATORS: %1$s is the attenuation; %2$s is 0.01, a fraction of the
                      // wave's starting height.
                      ? i18n::tr("With attenuation %1$s the wave dies away along the line: at the "
                                 "right end it has less than %2$s of its starting height.")
                      // TRANSLATORS: %1$s is the attenuation; %2$s is a fraction of the wave's
                      // starting height, such as 0.37.
                      : i18n::tr("With attenuation %1$s the wave dies away along the line: at the "
                                 "right end it has %2$s of its starting height."),
                  {value, rest}));
    } else {
        const std::string value = spoken(attenuation, 2);
        const std::string times = spoken(std::min(left, 1e6), 1);
        w.add(Kind::Growing, "attenuation",
              // TRANSLATORS: %1$s is the attenuation, a negative number ("minus 0.5"); %2$s is
              // how many times its starting height the wave is at the right end.
              i18n::format(i18n::tr("With a negative attenuation, %1$s, the wave grows along the "
                                    "line: at the right end it is %2$s times its starting height."),
                           {value, times}));
    }
}

void describeGroups(const Form1& form, words::Writer& w) {
    // The frame reads the group velocity as OptionValue, the phase velocity from the second list.
    const double group = form.OptionValue;
    const double phase = numericValue(form.cmbTwo.text());
    // "1 step a frame" where a velocity is exactly 1 or -1, else "steps".
    const bool oneGroup = std::abs(group) == 1;
    const bool onePhase = std::abs(phase) == 1;
    const std::string groupText = spoken(group, 2);
    const std::string phaseText = spoken(phase, 2);
    const char* pattern = nullptr;
    if (oneGroup && onePhase) {
        pattern = i18n::tr(
            // TRANSLATORS: %1$s is the group velocity, %2$s the phase velocity, in steps a frame.
            "Wave groups, each 30 steps long, move at the group "
            "velocity, %1$s step a frame; inside them the crests move at the "
            "phase velocity, %2$s step a frame.");
    } else if (oneGroup) {
        pattern = i18n::tr(
            // TRANSLATORS: %1$s is the group velocity, %2$s the phase velocity, in steps a frame.
            "Wave groups, each 30 steps long, move at the group "
            "velocity, %1$s step a frame; inside them the crests move at the "
            "phase velocity, %2$s steps a frame.");
    } else if (onePhase) {
        pattern = i18n::tr(
            // TRANSLATORS: %1$s is the group velocity, %2$s the phase velocity, in steps a frame.
            "Wave groups, each 30 steps long, move at the group "
            "velocity, %1$s steps a frame; inside them the crests move at the "
            "phase velocity, %2$s step a frame.");
    } else {
        pattern = i18n::tr(
            // TRANSLATORS: %1$s is the group velocity, %2$s the phase velocity, in steps a frame.
            "Wave groups, each 30 steps long, move at the group "
            "velocity, %1$s steps a frame; inside them the crests move at the "
            "phase velocity, %2$s steps a frame.");
    }
    w.add(Kind::Groups, "groups", i18n::format(pattern, {groupText, phaseText}));
    if (group == 0 && phase == 0) {
        w.add(Kind::NothingMoves, "crests", i18n::tr("Both velocities are 0: nothing moves."));
    } else if (group == 0) {
        w.add(Kind::GroupsStandStill, "crests",
              i18n::tr("The groups stand still while the crests run through them."));
    } else if (phase == 0) {
        w.add(Kind::CrestsStandStill, "crests",
              i18n::tr("The crests stand still and the groups slide over them."));
    } else if (phase == group) {
        w.add(Kind::CrestsRide, "crests",
              i18n::tr("The crests ride with their groups, as in a medium without dispersion."));
    } else if (phase > group) {
        w.add(Kind::CrestsFaster, "crests",
              i18n::tr("The crests run forwards through the groups, faster than the groups, as in "
                       "a dispersive medium."));
    } else {
        w.add(Kind::CrestsSlower, "crests",
              i18n::tr("The crests fall back through the groups, slower than the groups."));
    }
    const double height = wave_trace::markerHeight(form);
    if (std::abs(height) < 0.02) {
        w.add(Kind::Marker, "marker",
              i18n::tr("The green marker in the middle of the line rests on it: no crest is there "
                       "now."),
              true);
    } else {
        const std::string amount = spoken(std::abs(height), 2);
        w.add(Kind::Marker, "marker",
              i18n::format(
                  height > 0
                      // TRANSLATORS: %1$s is a fraction of the wave's full height, such as 0.5.
                      ? i18n::tr("The green marker in the middle of the line stands %1$s of the "
                                 "full height above the line.")
                      // TRANSLATORS: %1$s is a fraction of the wave's full height, such as 0.5.
                      : i18n::tr("The green marker in the middle of the line stands %1$s of the "
                                 "full height below the line."),
                  {amount}),
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
    return arrived ? i18n::tr("A wave group reaches the green marker.") : "";
}

}  // namespace wave_words
