#include "demos/phasors/phasor_words.h"

#include <cmath>

#include "app/form1.h"
#include "demos/phasors/phasors.h"
#include "i18n/translate.h"

namespace phasor_words {
namespace {

using phasors::Offset;
using words::Kind;
using words::spoken;

// Where a phasor points on the screen, in one of eight whole phrases that finish "pointing ...".
std::string direction(Offset p) {
    const double vertical = std::abs(p.y) < 0.4142 * std::abs(p.x) ? 0 : (p.y > 0 ? 1 : -1);
    const double sideways = std::abs(p.x) < 0.4142 * std::abs(p.y) ? 0 : (p.x > 0 ? 1 : -1);
    if (vertical > 0) {
        if (sideways > 0)
            // TRANSLATORS: where a phasor points on the screen; it ends "... pointing %3$s".
            return i18n::trc("a phasor is pointing", "down and to the right");
        if (sideways < 0)
            return i18n::trc("a phasor is pointing", "down and to the left");
        return i18n::trc("a phasor is pointing", "down");
    }
    if (vertical < 0) {
        if (sideways > 0)
            return i18n::trc("a phasor is pointing", "up and to the right");
        if (sideways < 0)
            return i18n::trc("a phasor is pointing", "up and to the left");
        return i18n::trc("a phasor is pointing", "up");
    }
    if (sideways > 0)
        return i18n::trc("a phasor is pointing", "to the right");
    if (sideways < 0)
        return i18n::trc("a phasor is pointing", "to the left");
    return "";
}

// A phasor's length, phase and direction, put into `pattern` as %1$s, %2$s and %3$s.
std::string placed(const char* pattern, Offset p) {
    const std::string length = spoken(phasors::lengthOf(p), 0);
    const std::string phase = spoken(phasors::phaseDegrees(p), 0);
    const std::string way = direction(p);
    return i18n::format(pattern, {length, phase, way});
}

}  // namespace

void describe(const Form1& form, words::Writer& w) {
    const Offset p[2] = {phasors::tipOffset(form, 0), phasors::tipOffset(form, 1)};
    for (int k = 0; k < 2; ++k) {
        const std::string topic = "phasor " + spoken(k + 1, 0);
        if (p[k].isZero()) {
            w.add(Kind::PhasorAtOrigin, topic,
                  k == 0 ? i18n::tr("Phasor 1 has no length: its green tip is on its diagram's "
                                    "origin and its sinusoid is flat.")
                         : i18n::tr("Phasor 2 has no length: its blue tip is on its diagram's "
                                    "origin and its sinusoid is flat."));
        } else {
            w.add(Kind::Phasor, topic,
                  placed(k == 0
                             // TRANSLATORS: %1$s is the phasor's length in twips, %2$s its phase
                             // in degrees, %3$s where it points ("down and to the right").
                             ? i18n::tr("Phasor 1, the green one, is %1$s twips long at phase "
                                        "%2$s degrees, pointing %3$s.")
                             // TRANSLATORS: %1$s is the phasor's length in twips, %2$s its phase
                             // in degrees, %3$s where it points ("down and to the right").
                             : i18n::tr("Phasor 2, the blue one, is %1$s twips long at phase "
                                        "%2$s degrees, pointing %3$s."),
                         p[k]));
        }
    }
    const Offset sum = phasors::tipOffset(form, 2);
    if (sum.isZero()) {
        w.add(Kind::PhasorAtOrigin, "sum",
              i18n::tr("The sum has no length: its purple tip is on the origin of the bottom "
                       "diagram and the purple sinusoid is flat."));
    } else {
        w.add(Kind::Phasor, "sum",
              placed(
                  // TRANSLATORS: %1$s is the sum's length in twips, %2$s its phase in degrees,
                  // %3$s where it points ("down and to the right").
                  i18n::tr("The sum, the purple phasor at the bottom, is %1$s twips long at phase "
                           "%2$s degrees, pointing %3$s; its sinusoid is the sum of the two "
                           "above."),
                  sum));
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
              i18n::tr("The two phasors are in phase: their sinusoids rise and fall together, and "
                       "the sum is as long as both together."));
    } else if (apart > 177) {
        w.add(Kind::Opposite, "relation",
              i18n::tr("The two phasors point opposite ways: their sinusoids work against each "
                       "other, and the sum is as long as their difference."));
    } else if (std::abs(apart - 90) < 3) {
        w.add(Kind::RightAngles, "relation",
              i18n::tr("The two phasors are at right angles: one sinusoid peaks where the other "
                       "crosses its axis."));
    } else {
        const std::string degrees = spoken(apart, 0);
        w.add(Kind::Apart, "relation",
              // TRANSLATORS: %1$s is the difference of the two phases in degrees.
              i18n::format(i18n::tr("The two phasors are %1$s degrees apart."), {degrees}));
    }
}

void describeLessons(const Form1& form, words::Writer& w) {
    if (!form.lesson.numbersShown())
        return;
    w.add(Kind::PhasorNumbers, "numbers",
          i18n::tr("Each phasor's length and phase, and the sum's, are written below its "
                   "diagram."));
}

std::string tipPlace(const Form1& form, int index) {
    const Offset p = phasors::tipOffset(form, index);
    if (p.isZero())
        return i18n::tr("No length, on its origin");
    return placed(
        // TRANSLATORS: a phasor's place, followed by what its handle does: %1$s is its length in
        // twips, %2$s its phase in degrees, %3$s where it points ("down and to the right").
        i18n::tr("%1$s twips long at phase %2$s degrees, pointing %3$s"), p);
}

}  // namespace phasor_words
