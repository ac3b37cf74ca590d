#include "app/lesson_layer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/form1.h"
#include "app/picture_description.h"
#include "demos/fading/fading_record.h"
#include "demos/phasors/phasors.h"
#include "demos/polarisation/polarisation.h"
#include "ui/number_rules.h"

namespace {

using drawing::Overlay;
using drawing::Rgba;

constexpr Rgba kGrey{128, 128, 128, 255};
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kTrace{0, 0, 176, 255};      // dark blue: apart from the rays and the bars
constexpr Rgba kThreshold{208, 0, 0, 255};  // red, as the theory curve
constexpr double kCaptionPoints = 9;        // 12 pixels at the design size

// The strip chart of the fading record in the free space below the histogram's controls: the
// envelope of the last frames in dB against its running rms, the 0 dB line, the threshold, and
// the share of frames below it against the theory.
Overlay fadingRecord(const Form1& form) {
    const LessonState& tools = form.lesson;
    const fading_record::Record& record = tools.record();
    const RectF area = fading_record::kArea;
    Overlay overlay;
    overlay.area = area;
    overlay.outline = kGrey;
    // A row of text at the top and two at the bottom, the chart between them.
    const double row = 300;
    const RectF chart{area.left + 60, area.top + row, area.width - 120, area.height - 3 * row};
    const auto yOf = [&chart](double decibels) {
        const double clamped =
            std::clamp(decibels, fading_record::kBottomDecibels, fading_record::kTopDecibels);
        return chart.top + (fading_record::kTopDecibels - clamped) /
                               (fading_record::kTopDecibels - fading_record::kBottomDecibels) *
                               chart.height;
    };
    overlay.lines.push_back({{{chart.left, yOf(0)}, {chart.right(), yOf(0)}}, kGrey});
    overlay.lines.push_back(
        {{{chart.left, yOf(tools.threshold())}, {chart.right(), yOf(tools.threshold())}},
         kThreshold,
         1,
         true});
    const double rms = record.rms();
    const std::vector<double> shown = record.shown();
    if (rms > 0 && shown.size() >= 2) {
        Overlay::Polyline trace{{}, kTrace};
        const double step = chart.width / (fading_record::kShownFrames - 1);
        // The newest frame at the right edge.
        const double left = chart.right() - step * static_cast<double>(shown.size() - 1);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double decibels =
                shown[i] > 0 ? 20 * std::log10(shown[i] / rms) : fading_record::kBottomDecibels;
            trace.points.push_back({left + step * static_cast<double>(i), yOf(decibels)});
        }
        overlay.lines.push_back(std::move(trace));
    }
    const auto rowAt = [&](double top) {
        return RectF{area.left + 60, top, area.width - 120, row};
    };
    overlay.captions.push_back({rowAt(area.top), "Fading record: dB against the rms, 300 frames",
                                kCaptionPoints, kBlack, ""});
    const double threshold = rms * std::pow(10.0, tools.threshold() / 20.0);
    const std::string stats =
        "Below " + number_rules::wholeText(tools.threshold()) +
        " dB: " + number_rules::fixedText(100 * record.fractionBelow(tools.threshold()), 1) +
        " % of " + std::to_string(record.frames()) + " frames; theory " +
        number_rules::fixedText(100 * fading_record::theoryBelow(form, threshold), 1) + " %";
    overlay.captions.push_back({rowAt(area.bottom() - 2 * row), stats, kCaptionPoints, kBlack,
                                "Below -30 dB: 100.0 % of 100000 frames; theory 100.0 %"});
    // Slow phases make few independent fades: the statistics need "Speed".
    if (form.hscRate.value() < form.hscRate.max()) {
        overlay.captions.push_back({rowAt(area.bottom() - row),
                                    "Raise \"Speed\" for many independent fades", kCaptionPoints,
                                    kThreshold, ""});
    }
    return overlay;
}

// The path of the sum over the last cycle, in the sum's purple, and its caption at the top right,
// where the polarisation shows nothing: the kind and the turn on one line, the axial ratio and the
// tilt below, so that the words keep the captions' size in the width there is.
void polarisationEllipse(const Form1& form, std::vector<Overlay>& out) {
    const Rgba purple = Rgba::from(form.cmdPhasor[2].backColour());
    Overlay path;
    path.area = {0, 0, 7380, form.clientHeight()};
    path.lines.push_back({polarisation::trail(form), purple, 1, false, true});
    out.push_back(std::move(path));
    const std::string text = polarisation::caption(polarisation::figureOf(form));
    const std::size_t split = text.find(", axial ratio");
    Overlay caption;
    caption.area = {7440, 300, 4140, 750};
    caption.captions.push_back({{7440, 345, 4140, 330},
                                text.substr(0, split),
                                kCaptionPoints,
                                purple,
                                "Elliptical, left-handed (counter-clockwise)"});
    if (split != std::string::npos) {
        caption.captions.push_back({{7440, 675, 4140, 330},
                                    text.substr(split + 2),
                                    kCaptionPoints,
                                    purple,
                                    "axial ratio 10.00, tilt -90\u00b0"});
    }
    out.push_back(std::move(caption));
}

// Each phasor's length and phase, and the sum's, in the gap below its diagram.
Overlay phasorNumbers(const Form1& form) {
    Overlay overlay;
    overlay.area = {120, 2400, 3420, 4440};
    const char* names[] = {"Phasor 1", "Phasor 2", "Sum"};
    const double tops[] = {2415, 4455, 6495};
    for (int k = 0; k < 3; ++k) {
        const picture_description::TipNumbers tip = picture_description::tipNumbers(form, k);
        std::string text =
            std::string(names[k]) + ": " + number_rules::wholeText(tip.length) + " twips";
        if (tip.length > 0)
            text += ", phase " + number_rules::wholeText(tip.phaseDegrees) + "\u00b0";
        overlay.captions.push_back({{180, tops[k], 3300, 330},
                                    text,
                                    kCaptionPoints,
                                    Rgba::from(form.cmdPhasor[k].backColour()),
                                    "Phasor 2: 99999 twips, phase -180\u00b0"});
    }
    return overlay;
}

}  // namespace

drawing::LessonLayer lessonLayer(const Form1& form) {
    drawing::LessonLayer options;
    options.projector = form.lesson.projector();
    options.curve = form.lesson.theoryCurve();
    if (!options.curve.empty()) {
        // The box of the histogram's axes: Line3 stands at its left, Line4 is its baseline.
        const double left = form.Line3.x1();
        const double top = form.Line3.y1();
        options.curveArea = {left, top, double{form.Line4.x2()} - left,
                             double{form.Line4.y1()} - top};
        options.curveColour = drawing::Rgba::from(theory_curve::kColour);
    }
    if (form.lesson.recordShown())
        options.overlays.push_back(fadingRecord(form));
    if (form.lesson.ellipseShown())
        polarisationEllipse(form, options.overlays);
    if (form.lesson.numbersShown())
        options.overlays.push_back(phasorNumbers(form));
    return options;
}
