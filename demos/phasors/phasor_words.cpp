#include "demos/phasors/phasor_words.h"

#include <cmath>

#include "app/form1.h"
#include "demos/phasors/phasors.h"

namespace phasor_words {
namespace {

using phasors::Offset;
using words::Kind;
using words::spoken;

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
    return spoken(phasors::lengthOf(p), 0) + " twips long at phase " +
           spoken(phasors::phaseDegrees(p), 0) + " degrees, pointing " + direction(p);
}

}  // namespace

void describe(const Form1& form, words::Writer& w) {
    const Offset p[2] = {phasors::tipOffset(form, 0), phasors::tipOffset(form, 1)};
    for (int k = 0; k < 2; ++k) {
        const std::string which = "Phasor " + spoken(k + 1, 0);
        const std::string colour = k == 0 ? "green" : "blue";
        if (p[k].isZero()) {
            w.add(Kind::PhasorAtOrigin, "phasor " + spoken(k + 1, 0),
                  which + " has no length: its " + colour +
                      " tip is on its diagram's origin and its sinusoid is flat.");
        } else {
            w.add(Kind::Phasor, "phasor " + spoken(k + 1, 0),
                  which + ", the " + colour + " one, is " + placeOf(p[k]) + ".");
        }
    }
    const Offset sum = phasors::tipOffset(form, 2);
    if (sum.isZero()) {
        w.add(Kind::PhasorAtOrigin, "sum",
              "The sum has no length: its purple tip is on the origin of the bottom diagram and "
              "the purple sinusoid is flat.");
    } else {
        w.add(Kind::Phasor, "sum",
              "The sum, the purple phasor at the bottom, is " + placeOf(sum) +
                  "; its sinusoid is the sum of the two above.");
    }
    if (p[0].isZero() || p[1].isZero())
        return;
    double apart = std::fmod(phasors::phaseDegrees(p[1]) - phasors::phaseDegrees(p[0]), 360.0);
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

void describeLessons(const Form1& form, words::Writer& w) {
    if (!form.lesson.numbersShown())
        return;
    w.add(Kind::PhasorNumbers, "numbers",
          "Each phasor's length and phase, and the sum's, are written below its diagram.");
}

std::string tipPlace(const Form1& form, int index) {
    const Offset p = phasors::tipOffset(form, index);
    return p.isZero() ? std::string("No length, on its origin") : placeOf(p);
}

}  // namespace phasor_words
