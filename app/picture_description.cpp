#include "app/picture_description.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "demos/fading/histogram.h"
#include "demos/fading/theory_curve.h"
#include "demos/phasors/phase_angle.h"
#include "demos/phasors/phasors.h"
#include "demos/polarisation/polarisation.h"
#include "ui/number_rules.h"

namespace picture_description {
namespace {

using number_rules::kPi;
using number_rules::numericValue;

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

class Writer {
public:
    void add(Kind kind, std::string topic, std::string text, bool everyFrame = false) {
        out.push_back({kind, std::move(topic), std::move(text), everyFrame});
    }
    std::vector<Sentence> out;
};

// ---- the two wave demonstrations

void planeWave(const Form1& form, Writer& w) {
    w.add(Kind::WaveTravels, "wave",
          "A cosine wave travels from left to right along a line of 96 steps, one step a frame.");
    const double wavelength = std::abs(numericValue(form.cmbOne.text()));
    if (wavelength == 0) {
        w.add(Kind::NoWavelength, "wavelength",
              "The wavelength is 0, so no wave shows: each step jumps to a height of its own.");
    } else {
        const std::string steps = spoken(8 * wavelength, 1);
        w.add(Kind::Wavelength, "wavelength",
              "Its wavelength is " + steps + " steps, so a crest passes each point every " + steps +
                  " frames" +
                  (8 * wavelength > 96 ? ", and the line shows less than one wavelength." : "."));
    }
    const double attenuation = numericValue(form.cmbTwo.text());
    // The last sample, at step 95, has exp(-95/50 x attenuation) of the first one's height.
    const double left = std::exp(-95 / 50.0 * attenuation);
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

std::string velocity(double v) {
    return spoken(v, 2) + (std::abs(v) == 1 ? " step" : " steps") + " a frame";
}

void groupVelocity(const Form1& form, Writer& w) {
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
    // The marker rides on the joint at x = 6000, the middle of the line; the axis is at y = 3000
    // and a sample of 1 stands 2000 twips below it.
    const Shape& marker = form.Shape1[0];
    const double height = (3000 - (marker.top() + marker.height() / 2.0)) / 2000;
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

// ---- polarisation

std::string componentText(const std::string& text, int amplitude) {
    const char* names[] = {"Vertical", "Horizontal", "Right-Hand Circular", "Left-Hand Circular"};
    bool known = false;
    for (const char* name : names) known = known || text == name;
    if (!known)
        return text == "Off" ? "off" : quoted(text) + ", which counts as off";
    return quoted(text) + " at amplitude " + spoken(amplitude / 50.0, 2);
}

void polarisationOf(const Form1& form, Writer& w) {
    const std::string one = componentText(form.cmbOne.text(), form.hscAmp1.value());
    const std::string two = componentText(form.cmbTwo.text(), form.hscAmp2.value());
    w.add(Kind::Components, "components",
          "Component 1, the green circle, is " + one + "; component 2, the blue circle, is " + two +
              "; the purple circle is their sum.");
    const bool bothOn = one.find(" at amplitude ") != std::string::npos &&
                        two.find(" at amplitude ") != std::string::npos;
    const int phase = form.hscPhase.value();
    if (bothOn) {
        w.add(Kind::RelativePhase, "phase",
              phase == 0 ? std::string("Component 2 is in step with component 1.")
                         : "Component 2 " + std::string(phase > 0 ? "leads" : "lags behind") +
                               " component 1 by " + spoken(std::abs(phase), 0) + " degrees.");
    }
    const polarisation::Figure figure = polarisation::figureOf(form);
    const std::string turn = figure.clockwise ? "clockwise on the screen, as \"Right-Hand "
                                                "Circular\" turns"
                                              : "counter-clockwise on the screen, as "
                                                "\"Left-Hand Circular\" turns";
    switch (figure.kind) {
        case polarisation::Figure::Kind::None:
            w.add(Kind::NoField, "figure",
                  bothOn ? "The components cancel: the sum stays on the centre."
                         : "There is no field to sum: the purple circle stays on the centre.");
            break;
        case polarisation::Figure::Kind::Linear:
            w.add(Kind::Linear, "figure",
                  "The sum swings to and fro along a line at " + spoken(figure.tiltDegrees, 0) +
                      " degrees, " + spoken(2 * figure.major, 2) +
                      " units from end to end: linear polarisation.");
            break;
        case polarisation::Figure::Kind::Circular:
            w.add(Kind::Circular, "figure",
                  "The sum turns on a circle of radius " + spoken(figure.major, 2) + ", " + turn +
                      ", once in 24 frames: circular polarisation.");
            break;
        case polarisation::Figure::Kind::Elliptical:
            w.add(Kind::Elliptical, "figure",
                  "The sum runs round an ellipse, " + turn + ", its long axis at " +
                      spoken(figure.tiltDegrees, 0) + " degrees and " +
                      spoken(figure.axialRatio(), 2) +
                      " times as long as its short axis: elliptical polarisation.");
            break;
    }
}

// ---- fading

void fadingOf(const Form1& form, Writer& w) {
    const bool ricean = form.demoIs("Ricean");
    const int rays = fading::rayCount(form);
    if (rays == 0) {
        w.add(Kind::NoRays, "rays",
              quoted(form.cmbOne.text()) + " names no number of rays: no ray is drawn.");
        return;
    }
    if (rays == 1) {
        w.add(Kind::OneRay, "rays",
              "One ray: the received signal is that ray alone, so it never fades.");
    } else {
        w.add(Kind::Rays, "rays",
              spoken(rays, 0) +
                  " rays, each with a phase that wanders at random, are added head "
                  "to tail from the centre; the dotted purple line back to the "
                  "centre is the received signal.");
    }
    if (ricean) {
        w.add(Kind::DirectRay, "direct",
              "Ray 1 is the direct path, " + spoken(fading::directLength(form), 0) +
                  " twips long (\"Fixed\" at " + spoken(form.hscFixed.value(), 0) + ").");
    }
    const double rms = std::sqrt(fading::rayPower(form));
    if (rays >= 2 && rms > 0) {
        const double envelope = fading::envelope(form);
        const double decibels = envelope > 0 ? 20 * std::log10(envelope / rms) : -1e9;
        const char* words = decibels >= 3    ? "strong"
                            : decibels > -3  ? "about at its average"
                            : decibels > -10 ? "weak"
                                             : "in a deep fade";
        w.add(Kind::Signal, "signal",
              envelope > 0 ? "The signal is now " + std::string(words) + ": " +
                                 spoken(decibels, 0) + " decibels against its average."
                           : std::string("The signal is now in a deep fade: the rays cancel."),
              true);
        const double scattered = std::sqrt(fading::rayPower(form, ricean ? 2 : 1));
        const double ratio =
            ricean && scattered > 0
                ? fading::directLength(form) * fading::directLength(form) / (scattered * scattered)
                : 0;
        const std::string pace =
            " At \"Speed\" " + spoken(form.hscRate.value(), 0) + " a phase moves at most " +
            spoken((form.hscRate.value() + 1) * 0.01 * kPi, 3) + " radians a frame.";
        if (!ricean) {
            w.add(Kind::FadesScattered, "fades",
                  "Deep fades, more than 10 decibels below the average, come whenever the rays "
                  "cancel." +
                      pace);
        } else if (ratio >= 1) {
            w.add(Kind::FadesStrongDirect, "fades",
                  "The direct ray has " + spoken(ratio, 1) +
                      " times the power of the scattered rays together, so deep fades are rare "
                      "and shallow." +
                      pace);
        } else {
            w.add(Kind::FadesWeakDirect, "fades",
                  "The direct ray has less power than the scattered rays together (" +
                      spoken(ratio, 2) + " of it), so deep fades come often, as without it." +
                      pace);
        }
    }
    if (!histogram::isOn(form))
        return;
    double total = 0;
    int peak = 0;
    for (int k = 0; k < histogram::kBins; ++k) {
        total += form.HistBins[k];
        if (form.HistBins[k] > form.HistBins[peak])
            peak = k;
    }
    if (total == 0) {
        w.add(Kind::HistogramEmpty, "histogram",
              "The histogram at the top right is on and has counted no frame yet.");
        return;
    }
    // Where the bars stand at least half as high as the tallest.
    int low = peak;
    int high = peak;
    for (int k = 0; k < histogram::kBins; ++k) {
        if (form.HistBins[k] * 2 >= form.HistBins[peak]) {
            low = std::min(low, k);
            high = std::max(high, k);
        }
    }
    w.add(Kind::Histogram, "histogram",
          "The histogram has counted " + spoken(total, 0) + " frames; its tallest bar is at " +
              spoken(peak * 100.0, 0) + " twips" +
              (rms > 0 ? ", " + spoken(peak * 100.0 / rms, 2) + " of the average level" : "") +
              ", and the bars at least half as tall reach from " + spoken(low * 100.0, 0) + " to " +
              spoken(high * 100.0, 0) + " twips.");
    const std::vector<PointF> curve = form.lesson.theoryCurve();
    const double scale = histogram::barScale(form);
    if (curve.size() == static_cast<std::size_t>(histogram::kBins) && scale > 0) {
        // The share of the frames that would have to move to other bins for the bars to match
        // the curve.
        double apart = 0;
        for (int k = 0; k < histogram::kBins; ++k) {
            const double expected = (double{form.Line4.y1()} - curve[k].y) / scale;
            apart += std::abs(form.HistBins[k] - expected);
        }
        const double share = apart / (2 * total);
        const bool rice = form.lesson.theory() == LessonState::Theory::Ricean;
        w.add(Kind::Theory, "theory",
              "The red curve of the " + std::string(rice ? "Rice" : "Rayleigh") +
                  " distribution lies over the bars; they are " +
                  (share < 0.1    ? "close to it"
                   : share < 0.25 ? "roughly on it"
                                  : "still far from it") +
                  ": " + spoken(100 * std::min(share, 1.0), 0) +
                  " percent of the frames would have to move to match it" +
                  (share >= 0.1 && form.hscRate.value() < 20
                       ? ". Raise \"Speed\" for the statistics of many independent fades."
                       : "."));
    }
}

// ---- phasors

struct Offset {
    double x = 0;  // rightwards from the diagram's origin
    double y = 0;  // downwards
};

Offset offsetOf(const Form1& form, int index) {
    const Button& tip = form.cmdPhasor[index];
    return {tip.width() / 2.0 + tip.left() - form.lnePhasor[6 + index].x1(),
            tip.height() / 2.0 + tip.top() - form.lnePhasor[3 + index].y1()};
}

// The phase as the sinusoid beside the diagram has it: from the downward vertical, in degrees.
double phaseOf(Offset p) {
    return PhaseAngle(p.y, p.x) * 180 / kPi;
}

std::string direction(Offset p) {
    const double vertical = std::abs(p.y) < 0.4142 * std::abs(p.x) ? 0 : (p.y > 0 ? 1 : -1);
    const double sideways = std::abs(p.x) < 0.4142 * std::abs(p.y) ? 0 : (p.x > 0 ? 1 : -1);
    std::string words = vertical > 0 ? "down" : vertical < 0 ? "up" : "";
    if (sideways != 0)
        words += (words.empty() ? "" : " and ") +
                 std::string(sideways > 0 ? "to the right" : "to the left");
    return words;
}

std::string placeOf(Offset p) {
    return spoken(std::hypot(p.x, p.y), 0) + " twips long at phase " + spoken(phaseOf(p), 0) +
           " degrees, pointing " + direction(p);
}

bool isZero(Offset p) {
    return p.x == 0 && p.y == 0;
}

void phasorsOf(const Form1& form, Writer& w) {
    const Offset p[2] = {offsetOf(form, 0), offsetOf(form, 1)};
    for (int k = 0; k < 2; ++k) {
        const std::string which = "Phasor " + spoken(k + 1, 0);
        const std::string colour = k == 0 ? "green" : "blue";
        if (isZero(p[k])) {
            w.add(Kind::PhasorAtOrigin, "phasor " + spoken(k + 1, 0),
                  which + " has no length: its " + colour +
                      " tip is on its diagram's origin and its sinusoid is flat.");
        } else {
            w.add(Kind::Phasor, "phasor " + spoken(k + 1, 0),
                  which + ", the " + colour + " one, is " + placeOf(p[k]) + ".");
        }
    }
    const Offset sum{p[0].x + p[1].x, p[0].y + p[1].y};
    if (isZero(sum)) {
        w.add(Kind::PhasorAtOrigin, "sum",
              "The sum has no length: its purple tip is on the origin of the bottom diagram and "
              "the purple sinusoid is flat.");
    } else {
        w.add(Kind::Phasor, "sum",
              "The sum, the purple phasor at the bottom, is " + placeOf(sum) +
                  "; its sinusoid is the sum of the two above.");
    }
    if (isZero(p[0]) || isZero(p[1]))
        return;
    double apart = std::fmod(phaseOf(p[1]) - phaseOf(p[0]), 360.0);
    if (apart > 180)
        apart -= 360;
    if (apart <= -180)
        apart += 360;
    apart = std::abs(apart);
    if (apart < 3) {
        w.add(Kind::InPhase, "relation",
              "The two phasors are in phase: their sinusoids rise and fall together, and the sum "
              "is as long as both together.");
    } else if (apart > 177) {
        w.add(Kind::Opposite, "relation",
              "The two phasors point opposite ways: their sinusoids work against each other, and "
              "the sum is as long as their difference.");
    } else if (std::abs(apart - 90) < 3) {
        w.add(Kind::RightAngles, "relation",
              "The two phasors are at right angles: one sinusoid peaks where the other crosses "
              "its axis.");
    } else {
        w.add(Kind::Apart, "relation",
              "The two phasors are " + spoken(apart, 0) + " degrees apart.");
    }
}

}  // namespace

std::string spoken(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::nearbyint(value * scale) / scale;
    if (rounded == 0)
        return "0";
    std::string text = number_rules::fixedText(std::abs(rounded), decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return rounded < 0 ? "minus " + text : text;
}

std::string name(const Form1& form) {
    const std::string& demo = form.cmbDemo.text();
    const bool named = std::any_of(std::begin(Form1::kDemoNames), std::end(Form1::kDemoNames),
                                   [&demo](const char* name) { return demo == name; });
    return named ? "Picture of " + demo : std::string("Picture of the demonstrations");
}

std::vector<Sentence> describe(const Form1& form) {
    Writer w;
    const std::string& demo = form.cmbDemo.text();
    if (demo == "Plane Wave") {
        planeWave(form, w);
    } else if (demo == "Group Velocity") {
        groupVelocity(form, w);
    } else if (demo == "Polarisation") {
        polarisationOf(form, w);
    } else if (fading::isShown(form)) {
        fadingOf(form, w);
    } else if (demo == "Phasors") {
        phasorsOf(form, w);
    } else {
        w.add(Kind::UnknownDemo, "demo",
              "The demo list holds " + quoted(demo) +
                  ", which names no demonstration: the picture stays as it was.");
    }
    if (form.lesson.paused()) {
        w.add(Kind::Paused, "animation",
              "The animation is paused: \"Start\" runs it again, and the full stop key steps one "
              "frame.");
    } else {
        const char* pace = "ten frames a second";
        if (form.lesson.speed() == LessonState::Speed::Half)
            pace = "five frames a second, half speed";
        if (form.lesson.speed() == LessonState::Speed::Quarter)
            pace = "two and a half frames a second, quarter speed";
        w.add(Kind::Running, "animation", std::string("The animation runs at ") + pace + ".");
    }
    const LessonState& tools = form.lesson;
    if (tools.recordShown()) {
        const fading_record::Record& record = tools.record();
        const double threshold = record.rms() * std::pow(10.0, tools.threshold() / 20.0);
        w.add(Kind::FadingRecord, "record",
              "The fading record at the bottom right charts the last 300 frames in decibels "
              "against their running average: " +
                  spoken(100 * record.fractionBelow(tools.threshold()), 1) + " percent of its " +
                  spoken(double(record.frames()), 0) + " frames were below " +
                  spoken(tools.threshold(), 0) + " decibels, against " +
                  spoken(100 * fading_record::theoryBelow(form, threshold), 1) +
                  " percent in theory." +
                  (form.hscRate.value() < form.hscRate.max()
                       ? " Raise \"Speed\" for the statistics of many independent fades."
                       : ""),
              true);
    }
    if (tools.ellipseShown()) {
        w.add(Kind::EllipseTool, "ellipse",
              "The ellipse tool draws the path of the sum over the last cycle in purple and names "
              "it at the top right: " +
                  polarisation::caption(polarisation::figureOf(form)) + ".");
    }
    if (tools.numbersShown()) {
        w.add(Kind::PhasorNumbers, "numbers",
              "Each phasor's length and phase, and the sum's, are written below its diagram.");
    }
    if (form.lesson.projector()) {
        w.add(Kind::Projector, "projector",
              "Projector contrast is on: a white background and lines at least 2 pixels wide.");
    }
    return w.out;
}

std::string joined(const std::vector<Sentence>& sentences) {
    std::string text;
    for (const Sentence& sentence : sentences) {
        if (!text.empty())
            text += ' ';
        text += sentence.text;
    }
    return text;
}

namespace {

Offset tipOffset(const Form1& form, int index) {
    if (index < 2)
        return offsetOf(form, index);
    const Offset a = offsetOf(form, 0);
    const Offset b = offsetOf(form, 1);
    return {a.x + b.x, a.y + b.y};
}

}  // namespace

std::string tipPlace(const Form1& form, int index) {
    const Offset p = tipOffset(form, index);
    return isZero(p) ? std::string("No length, on its origin") : placeOf(p);
}

TipNumbers tipNumbers(const Form1& form, int index) {
    const Offset p = tipOffset(form, index);
    return {std::hypot(p.x, p.y), phaseOf(p)};
}

std::string scrollValue(const Form1& form, const std::string& bar) {
    if (bar == form.hscPhase.name())
        return spoken(form.hscPhase.value(), 0) + " degrees";
    if (bar == form.hscAmp1.name())
        return "amplitude " + spoken(form.hscAmp1.value() / 50.0, 2);
    if (bar == form.hscAmp2.name())
        return "amplitude " + spoken(form.hscAmp2.value() / 50.0, 2);
    if (bar == form.hscRate.name())
        return "Speed " + spoken(form.hscRate.value(), 0) + " of " + spoken(form.hscRate.max(), 0);
    if (bar == form.hscFixed.name())
        return "Fixed " + spoken(form.hscFixed.value(), 0) + " of " +
               spoken(form.hscFixed.max(), 0);
    return "";
}

}  // namespace picture_description
