#include "demos/polarisation/ellipse_overlay.h"

#include <string>

#include "app/form1.h"
#include "demos/polarisation/polarisation.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace polarisation {

void drawEllipse(const Form1& form, std::vector<drawing::Overlay>& out) {
    if (!form.lesson.ellipseShown())
        return;
    const drawing::Rgba purple = drawing::Rgba::from(form.cmdPhasor[2].backColour());
    drawing::Overlay path;
    path.area = {0, 0, 7380, form.clientHeight()};
    path.lines.push_back({trail(form), purple, 1, false, true});
    out.push_back(std::move(path));
    const CaptionLines lines = captionLines(ellipseOf(form));
    drawing::Overlay caption;
    caption.area = kEllipseCaptionArea;
    caption.captions.push_back(
        {.box = {7440, 345, 4140, 330},
         .text = lines.first,
         .colour = purple,
         .sizedAs = i18n::tr("Elliptical, left-handed (counter-clockwise)")});
    if (!lines.second.empty()) {
        // A wide second line, as the English one sized by "axial ratio 10.00, tilt -90°".
        const std::string widestRatio = i18n::localNumber("10.00");
        const std::string widestTilt = "-90";
        caption.captions.push_back(
            {.box = {7440, 675, 4140, 330},
             .text = lines.second,
             .colour = purple,
             .sizedAs = i18n::format(i18n::tr("axial ratio %1$s, tilt %2$s\u00b0"),
                                     {widestRatio, widestTilt})});
    }
    out.push_back(std::move(caption));
}

}  // namespace polarisation
