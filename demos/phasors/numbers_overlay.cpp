#include "demos/phasors/numbers_overlay.h"

#include <string>

#include "app/form1.h"
#include "demos/phasors/phasors.h"
#include "ui/number_rules.h"

namespace phasors {

void drawNumbers(const Form1& form, std::vector<drawing::Overlay>& out) {
    if (!form.lesson.numbersShown())
        return;
    drawing::Overlay overlay;
    overlay.area = {120, 2400, 3420, 4440};
    const char* names[] = {"Phasor 1", "Phasor 2", "Sum"};
    const double tops[] = {2415, 4455, 6495};
    for (int k = 0; k < 3; ++k) {
        const Offset tip = tipOffset(form, k);
        std::string text =
            std::string(names[k]) + ": " + number_rules::wholeText(lengthOf(tip)) + " twips";
        if (lengthOf(tip) > 0)
            text += ", phase " + number_rules::wholeText(phaseDegrees(tip)) + "\u00b0";
        overlay.captions.push_back({.box = {180, tops[k], 3300, 330},
                                    .text = text,
                                    .colour = drawing::Rgba::from(form.cmdPhasor[k].backColour()),
                                    .sizedAs = "Phasor 2: 99999 twips, phase -180\u00b0"});
    }
    out.push_back(std::move(overlay));
}

}  // namespace phasors
