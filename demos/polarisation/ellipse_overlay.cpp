#include "demos/polarisation/ellipse_overlay.h"

#include <string>

#include "app/form1.h"
#include "demos/polarisation/polarisation.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace polarisation {
namespace {

// The two lines of captionLines in the language in use.
CaptionLines shownCaptionLines(const Ellipse& ellipse) {
    const std::string tilt = number_rules::wholeText(ellipse.tiltDegrees);
    switch (ellipse.kind) {
        case Ellipse::Kind::None:
            return {i18n::tr("No field: the sum stays on the centre"), ""};
        case Ellipse::Kind::Linear:
            // TRANSLATORS: %1$s is the tilt of the line in degrees, such as -45.
            return {i18n::format(i18n::tr("Linear, tilt %1$s\u00b0"), {tilt}), ""};
        case Ellipse::Kind::Circular:
            return {ellipse.clockwise ? i18n::tr("Circular, right-handed (clockwise)")
                                      : i18n::tr("Circular, left-handed (counter-clockwise)"),
                    i18n::tr("axial ratio 1")};
        case Ellipse::Kind::Elliptical:
            break;
    }
    const std::string ratio = i18n::localNumber(number_rules::fixedText(ellipse.axialRatio(), 2));
    return {ellipse.clockwise ? i18n::tr("Elliptical, right-handed (clockwise)")
                              : i18n::tr("Elliptical, left-handed (counter-clockwise)"),
            // TRANSLATORS: %1$s is the long axis over the short one, such as 2.41; %2$s is the
            // tilt of the long axis in degrees, such as -45.
            i18n::format(i18n::tr("axial ratio %1$s, tilt %2$s\u00b0"), {ratio, tilt})};
}

}  // namespace

void drawEllipse(const Form1& form, std::vector<drawing::Overlay>& out) {
    if (!form.lesson.ellipseShown())
        return;
    const drawing::Rgba purple = drawing::Rgba::from(form.cmdPhasor[2].backColour());
    drawing::Overlay path;
    path.area = {0, 0, 7380, form.clientHeight()};
    path.lines.push_back({trail(form), purple, 1, false, true});
    out.push_back(std::move(path));
    const CaptionLines lines = shownCaptionLines(ellipseOf(form));
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
