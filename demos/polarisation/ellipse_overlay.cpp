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
    // The captions dark on the button face, as the window's own labels.
    constexpr drawing::Rgba kText{0, 0, 0, 255};
    drawing::Overlay path;
    path.area = {0, 0, 7380, form.clientHeight()};
    // The curve the components define, two pixels wide in the sum's purple, and the tip's last
    // cycle of frames as dots on it.
    path.lines.push_back({curve(form), purple, 2, false, true});
    for (const PointF& tip : trail(form)) path.dots.push_back({tip, purple, 5});
    out.push_back(std::move(path));
    const CaptionLines lines = captionLines(ellipseOf(form));
    drawing::Overlay caption;
    caption.area = kEllipseCaptionArea;
    // The kind and the turn in up to two lines, the numbers in up to two below them.
    const RectF& area = kEllipseCaptionArea;
    const double line = 495;  // a label's height
    caption.captions.push_back({.box = {area.left, area.top, area.width, 2 * line},
                                .text = lines.first,
                                .colour = kText,
                                .sizedAs = i18n::tr("Elliptical, left-handed (counter-clockwise)"),
                                .lines = 2});
    if (!lines.second.empty()) {
        // A wide second line, as the English one sized by "axial ratio 10.00, tilt -90°".
        const std::string widestRatio = i18n::localNumber("10.00");
        const std::string widestTilt = "-90";
        caption.captions.push_back(
            {.box = {area.left, area.top + 2 * line, area.width, 2 * line},
             .text = lines.second,
             .colour = kText,
             .sizedAs = i18n::format(i18n::tr("axial ratio %1$s, tilt %2$s\u00b0"),
                                     {widestRatio, widestTilt}),
             .lines = 2});
    }
    out.push_back(std::move(caption));
}

}  // namespace polarisation
