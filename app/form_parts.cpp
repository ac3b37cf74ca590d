#include "app/form_parts.h"

#include <algorithm>
#include <initializer_list>

#include "app/form1.h"

namespace {

// The visible controls' boxes together, with a margin of 60 twips, kept out of the picture above
// y = 7200 unless `top` lets it in; shown while any of them is.
drawing::FormPart partOf(std::initializer_list<const BoxControl*> controls, double top) {
    RectF box;
    for (const BoxControl* control : controls) {
        if (control->visible())
            box = box.united(control->box());
    }
    if (box.isEmpty())
        return {{}, false};
    box = box.adjusted(60);
    const double clippedTop = std::max(box.top, top);
    return {{box.left, clippedTop, box.width, box.bottom() - clippedTop}, true};
}

}  // namespace

std::vector<drawing::FormPart> formParts(const Form1& form) {
    constexpr double kRows = 7200;  // where the option rows begin
    const Form1& f = form;
    return {
        {{0, 0, f.clientWidth(), kRows}},
        partOf({&f.lblOne, &f.cmbOne, &f.hscAmp1, &f.lblTwo, &f.cmbTwo, &f.hscAmp2, &f.lblThree,
                &f.hscPhase, &f.lblFour},
               kRows),
        partOf({&f.cmdHist, &f.lblRate, &f.hscRate, &f.lblFixed, &f.hscFixed}, 0),
        partOf({&f.Label1, &f.cmbDemo, &f.cmdStart, &f.imgTarm}, kRows),
    };
}
