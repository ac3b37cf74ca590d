#include "demos/phasors/numbers_overlay.h"

#include <string>

#include "app/form1.h"
#include "demos/phasors/phasors.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace phasors {
namespace {

// A tip's numbers as the overlay writes them: the length in twips and, where it has a length, the
// phase in degrees. `index` 0 and 1 are the phasors, 2 the sum.
std::string numbersText(int index, const std::string& length, const std::string* phase) {
    const std::string number = std::to_string(index + 1);
    if (index == 2) {
        if (phase == nullptr)
            // TRANSLATORS: %1$s is the sum's length in twips.
            return i18n::format(i18n::tr("Sum: %1$s twips"), {length});
        // TRANSLATORS: %1$s is the sum's length in twips, %2$s its phase in degrees.
        return i18n::format(i18n::tr("Sum: %1$s twips, phase %2$s\u00b0"), {length, *phase});
    }
    if (phase == nullptr)
        // TRANSLATORS: %1$s is the phasor's number (1 or 2), %2$s its length in twips.
        return i18n::format(i18n::tr("Phasor %1$s: %2$s twips"), {number, length});
    // TRANSLATORS: %1$s is the phasor's number (1 or 2), %2$s its length in twips, %3$s its phase
    // in degrees.
    return i18n::format(i18n::tr("Phasor %1$s: %2$s twips, phase %3$s\u00b0"),
                        {number, length, *phase});
}

}  // namespace

void drawNumbers(const Form1& form, std::vector<drawing::Overlay>& out) {
    if (!form.lesson.numbersShown())
        return;
    drawing::Overlay overlay;
    overlay.area = kNumbersArea;
    // A row a phasor, as high as a label: a short stroke in the phasor's colour as its key, then
    // its numbers, dark as the window's labels.
    constexpr double kRow = 495;
    constexpr double kKey = 420;
    constexpr drawing::Rgba kText{0, 0, 0, 255};
    // The widest text a caption shows.
    const std::string widestLength = "99999";
    const std::string widestPhase = "-180";
    const std::string sizedAs = numbersText(1, widestLength, &widestPhase);
    for (int k = 0; k < 3; ++k) {
        const Offset tip = tipOffset(form, k);
        const bool hasLength = lengthOf(tip) > 0;
        const std::string length = number_rules::wholeText(lengthOf(tip));
        const std::string phase = hasLength ? number_rules::wholeText(phaseDegrees(tip)) : "";
        const double top = kNumbersArea.top + 30 + kRow * k;
        const double middle = top + kRow / 2;
        const double left = kNumbersArea.left + 60;
        overlay.lines.push_back({{{left, middle}, {left + kKey, middle}},
                                 drawing::Rgba::from(form.cmdPhasor[k].backColour()),
                                 4});
        overlay.captions.push_back(
            {.box = {left + kKey + 120, top, kNumbersArea.right() - left - kKey - 180, kRow},
             .text = numbersText(k, length, hasLength ? &phase : nullptr),
             .colour = kText,
             .sizedAs = sizedAs});
    }
    out.push_back(std::move(overlay));
}

}  // namespace phasors
