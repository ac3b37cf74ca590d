#include "demos/polarisation/polarisation_words.h"

#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "demos/polarisation/polarisation.h"

namespace polarisation_words {
namespace {

using words::Kind;
using words::quoted;
using words::spoken;

std::string componentText(const std::string& text, int amplitude) {
    if (!polarisation::namesComponent(text))
        return text == "Off" ? "off" : quoted(text) + ", which counts as off";
    return quoted(text) + " at amplitude " + spoken(amplitude / 50.0, 2);
}

}  // namespace

void describe(const Form1& form, words::Writer& w) {
    const std::string& one = form.cmbOne.text();
    const std::string& two = form.cmbTwo.text();
    w.add(Kind::Components, "components",
          "Component 1, the green circle, is " + componentText(one, form.hscAmp1.value()) +
              "; component 2, the blue circle, is " + componentText(two, form.hscAmp2.value()) +
              "; the purple circle is their sum.");
    const bool bothOn = polarisation::namesComponent(one) && polarisation::namesComponent(two);
    const int phase = form.hscPhase.value();
    if (bothOn) {
        w.add(Kind::RelativePhase, "phase",
              phase == 0 ? std::string("Component 2 is in step with component 1.")
                         : "Component 2 " + std::string(phase > 0 ? "leads" : "lags behind") +
                               " component 1 by " + spoken(std::abs(phase), 0) + " degrees.");
    }
    const polarisation::Ellipse ellipse = polarisation::ellipseOf(form);
    const std::string turn = ellipse.clockwise ? "clockwise on the screen, as \"Right-Hand "
                                                 "Circular\" turns"
                                               : "counter-clockwise on the screen, as "
                                                 "\"Left-Hand Circular\" turns";
    switch (ellipse.kind) {
        case polarisation::Ellipse::Kind::None:
            w.add(Kind::NoField, "figure",
                  bothOn ? "The components cancel: the sum stays on the centre."
                         : "There is no field to sum: the purple circle stays on the centre.");
            break;
        case polarisation::Ellipse::Kind::Linear:
            w.add(Kind::Linear, "figure",
                  "The sum swings to and fro along a line at " + spoken(ellipse.tiltDegrees, 0) +
                      " degrees, " + spoken(2 * ellipse.major, 2) +
                      " units from end to end: linear polarisation.");
            break;
        case polarisation::Ellipse::Kind::Circular:
            w.add(Kind::Circular, "figure",
                  "The sum turns on a circle of radius " + spoken(ellipse.major, 2) + ", " + turn +
                      ", once in 24 frames: circular polarisation.");
            break;
        case polarisation::Ellipse::Kind::Elliptical:
            w.add(Kind::Elliptical, "figure",
                  "The sum runs round an ellipse, " + turn + ", its long axis at " +
                      spoken(ellipse.tiltDegrees, 0) + " degrees and " +
                      spoken(ellipse.axialRatio(), 2) +
                      " times as long as its short axis: elliptical polarisation.");
            break;
    }
}

void describeLessons(const Form1& form, words::Writer& w) {
    if (!form.lesson.ellipseShown())
        return;
    w.add(Kind::EllipseTool, "ellipse",
          "The ellipse tool draws the path of the sum over the last cycle in purple and names it "
          "at the top right: " +
              polarisation::caption(polarisation::ellipseOf(form)) + ".");
}

}  // namespace polarisation_words
