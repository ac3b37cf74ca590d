#include "demos/polarisation/polarisation_words.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "demos/polarisation/polarisation.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace polarisation_words {
namespace {

using words::Kind;
using words::quoted;
using words::spoken;

// What a component's list says: "Off", a text that names no component (and counts as off), or a
// component that makes a field.
enum class State { Off, CountsAsOff, On };

State stateOf(const std::string& text) {
    if (polarisation::namesComponent(text))
        return State::On;
    return text == "Off" ? State::Off : State::CountsAsOff;
}

// The pattern of the sentence about both components. Its arguments are, in order, those of
// component 1 and then those of component 2: none for "Off", the quoted text for one that counts
// as off, the quoted text and the amplitude for one that is on.
const char* componentsPattern(State one, State two) {
    switch (one) {
        case State::Off:
            switch (two) {
                case State::Off:
                    return i18n::tr(
                        "Component 1, the green circle, is off; component 2, the blue circle, is "
                        "off; the purple circle is their sum.");
                case State::CountsAsOff:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 2's entry in quotation marks.
                        "Component 1, the green circle, is off; component 2, the blue circle, is "
                        "%1$s, which counts as off; the purple circle is their sum.");
                case State::On:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 2's entry in quotation marks, %2$s its
                        // amplitude.
                        "Component 1, the green circle, is off; component 2, the blue circle, is "
                        "%1$s at amplitude %2$s; the purple circle is their sum.");
            }
            break;
        case State::CountsAsOff:
            switch (two) {
                case State::Off:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks.
                        "Component 1, the green circle, is %1$s, which counts as off; component "
                        "2, the blue circle, is off; the purple circle is their sum.");
                case State::CountsAsOff:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks, %2$s
                        // component 2's.
                        "Component 1, the green circle, is %1$s, which counts as off; component "
                        "2, the blue circle, is %2$s, which counts as off; the purple circle is "
                        "their sum.");
                case State::On:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks; %2$s is
                        // component 2's, %3$s its amplitude.
                        "Component 1, the green circle, is %1$s, which counts as off; component "
                        "2, the blue circle, is %2$s at amplitude %3$s; the purple circle is "
                        "their sum.");
            }
            break;
        case State::On:
            switch (two) {
                case State::Off:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks, %2$s its
                        // amplitude.
                        "Component 1, the green circle, is %1$s at amplitude %2$s; component 2, "
                        "the blue circle, is off; the purple circle is their sum.");
                case State::CountsAsOff:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks, %2$s its
                        // amplitude; %3$s is component 2's entry.
                        "Component 1, the green circle, is %1$s at amplitude %2$s; component 2, "
                        "the blue circle, is %3$s, which counts as off; the purple circle is "
                        "their sum.");
                case State::On:
                    return i18n::tr(
                        // TRANSLATORS: %1$s is component 1's entry in quotation marks, %2$s its
                        // amplitude; %3$s is component 2's entry, %4$s its amplitude.
                        "Component 1, the green circle, is %1$s at amplitude %2$s; component 2, "
                        "the blue circle, is %3$s at amplitude %4$s; the purple circle is their "
                        "sum.");
            }
            break;
    }
    return "";
}

void addComponentArguments(const std::string& text, int amplitude,
                           std::vector<std::string>& arguments) {
    switch (stateOf(text)) {
        case State::Off:
            break;
        case State::CountsAsOff:
            arguments.push_back(quoted(text));
            break;
        case State::On:
            arguments.push_back(quoted(text));
            arguments.push_back(spoken(amplitude / 50.0, 2));
            break;
    }
}

}  // namespace

void describe(const Form1& form, words::Writer& w) {
    const std::string& one = form.cmbOne.text();
    const std::string& two = form.cmbTwo.text();
    std::vector<std::string> arguments;
    addComponentArguments(one, form.hscAmp1.value(), arguments);
    addComponentArguments(two, form.hscAmp2.value(), arguments);
    arguments.resize(4);
    w.add(Kind::Components, "components",
          i18n::format(componentsPattern(stateOf(one), stateOf(two)),
                       {arguments[0], arguments[1], arguments[2], arguments[3]}));
    const bool bothOn = polarisation::namesComponent(one) && polarisation::namesComponent(two);
    const int phase = form.hscPhase.value();
    if (bothOn) {
        const std::string degrees = spoken(std::abs(phase), 0);
        w.add(Kind::RelativePhase, "phase",
              phase == 0 ? std::string(i18n::tr("Component 2 is in step with component 1."))
              : phase > 0
                  // TRANSLATORS: %1$s is the relative phase in degrees, such as 45.
                  ? i18n::format(i18n::tr("Component 2 leads component 1 by %1$s degrees."),
                                 {degrees})
                  // TRANSLATORS: %1$s is the relative phase in degrees, such as 45.
                  : i18n::format(i18n::tr("Component 2 lags behind component 1 by %1$s degrees."),
                                 {degrees}));
    }
    const polarisation::Ellipse ellipse = polarisation::ellipseOf(form);
    // The entry of the lists that turns the same way.
    const std::string turnsAlike =
        quoted(ellipse.clockwise ? "Right-Hand Circular" : "Left-Hand Circular");
    switch (ellipse.kind) {
        case polarisation::Ellipse::Kind::None:
            w.add(Kind::NoField, "figure",
                  bothOn ? i18n::tr("The components cancel: the sum stays on the centre.")
                         : i18n::tr("There is no field to sum: the purple circle stays on the "
                                    "centre."));
            break;
        case polarisation::Ellipse::Kind::Linear: {
            const std::string tilt = spoken(ellipse.tiltDegrees, 0);
            const std::string length = spoken(2 * ellipse.major, 2);
            w.add(Kind::Linear, "figure",
                  // TRANSLATORS: %1$s is the line's tilt in degrees, %2$s its length in units of
                  // amplitude.
                  i18n::format(i18n::tr("The sum swings to and fro along a line at %1$s degrees, "
                                        "%2$s units from end to end: linear polarisation."),
                               {tilt, length}));
            break;
        }
        case polarisation::Ellipse::Kind::Circular: {
            const std::string radius = spoken(ellipse.major, 2);
            w.add(Kind::Circular, "figure",
                  i18n::format(
                      ellipse.clockwise
                          // TRANSLATORS: %1$s is the radius in units of amplitude; %2$s is the
                          // list's entry "Right-Hand Circular" in quotation marks.
                          ? i18n::tr("The sum turns on a circle of radius %1$s, clockwise on the "
                                     "screen, as %2$s turns, once in 24 frames: circular "
                                     "polarisation.")
                          // TRANSLATORS: %1$s is the radius in units of amplitude; %2$s is the
                          // list's entry "Left-Hand Circular" in quotation marks.
                          : i18n::tr("The sum turns on a circle of radius %1$s, counter-clockwise "
                                     "on the screen, as %2$s turns, once in 24 frames: circular "
                                     "polarisation."),
                      {radius, turnsAlike}));
            break;
        }
        case polarisation::Ellipse::Kind::Elliptical: {
            const std::string tilt = spoken(ellipse.tiltDegrees, 0);
            const std::string ratio = spoken(ellipse.axialRatio(), 2);
            w.add(Kind::Elliptical, "figure",
                  i18n::format(
                      ellipse.clockwise
                          // TRANSLATORS: %1$s is the list's entry "Right-Hand Circular" in
                          // quotation marks; %2$s is the long axis's tilt in degrees; %3$s is how
                          // many times as long as the short axis the long one is.
                          ? i18n::tr("The sum runs round an ellipse, clockwise on the screen, as "
                                     "%1$s turns, its long axis at %2$s degrees and %3$s times as "
                                     "long as its short axis: elliptical polarisation.")
                          // TRANSLATORS: %1$s is the list's entry "Left-Hand Circular" in
                          // quotation marks; %2$s is the long axis's tilt in degrees; %3$s is how
                          // many times as long as the short axis the long one is.
                          : i18n::tr("The sum runs round an ellipse, counter-clockwise on the "
                                     "screen, as %1$s turns, its long axis at %2$s degrees and "
                                     "%3$s times as long as its short axis: elliptical "
                                     "polarisation."),
                      {turnsAlike, tilt, ratio}));
            break;
        }
    }
}

void describeLessons(const Form1& form, words::Writer& w) {
    if (!form.lesson.ellipseShown())
        return;
    const polarisation::CaptionLines lines =
        polarisation::captionLines(polarisation::ellipseOf(form));
    w.add(Kind::EllipseTool, "ellipse",
          lines.second.empty()
              // TRANSLATORS: %1$s is the ellipse tool's caption, such as "Linear, tilt -45°".
              ? i18n::format(i18n::tr("The ellipse tool draws the path of the sum over the last "
                                      "cycle in purple and names it at the top right: %1$s."),
                             {lines.first})
              // TRANSLATORS: %1$s and %2$s are the two lines of the ellipse tool's caption,
              // such as "Circular, left-handed (counter-clockwise)" and "axial ratio 1".
              : i18n::format(i18n::tr("The ellipse tool draws the path of the sum over the last "
                                      "cycle in purple and names it at the top right: %1$s, "
                                      "%2$s."),
                             {lines.first, lines.second}));
}

}  // namespace polarisation_words
