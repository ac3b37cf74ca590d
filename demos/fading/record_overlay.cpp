#include "demos/fading/record_overlay.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "ui/number_rules.h"

namespace fading_record {
namespace {

using drawing::Overlay;
using drawing::Rgba;

constexpr Rgba kGrey{128, 128, 128, 255};
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kTrace{0, 0, 176, 255};      // dark blue: apart from the rays and the bars
constexpr Rgba kThreshold{208, 0, 0, 255};  // red, as the theory curve

}  // namespace

void drawRecord(const Form1& form, std::vector<Overlay>& out) {
    if (!form.lesson.recordShown())
        return;
    const Record& record = form.lesson.record();
    const int threshold = form.lesson.threshold();
    Overlay overlay;
    overlay.area = kArea;
    overlay.outline = kGrey;
    // A row of text at the top and two at the bottom, the chart between them.
    const double row = 300;
    const RectF chart{kArea.left + 60, kArea.top + row, kArea.width - 120, kArea.height - 3 * row};
    const auto yOf = [&chart](double decibels) {
        const double clamped = std::clamp(decibels, kBottomDecibels, kTopDecibels);
        return chart.top +
               (kTopDecibels - clamped) / (kTopDecibels - kBottomDecibels) * chart.height;
    };
    overlay.lines.push_back({{{chart.left, yOf(0)}, {chart.right(), yOf(0)}}, kGrey});
    overlay.lines.push_back(
        {{{chart.left, yOf(threshold)}, {chart.right(), yOf(threshold)}}, kThreshold, 1, true});
    const double rms = record.rms();
    const std::vector<double> shown = record.shown();
    if (rms > 0 && shown.size() >= 2) {
        Overlay::Polyline trace{{}, kTrace};
        const double step = chart.width / (kShownFrames - 1);
        // The newest frame at the right edge.
        const double left = chart.right() - step * static_cast<double>(shown.size() - 1);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double decibels =
                shown[i] > 0 ? 20 * std::log10(shown[i] / rms) : kBottomDecibels;
            trace.points.push_back({left + step * static_cast<double>(i), yOf(decibels)});
        }
        overlay.lines.push_back(std::move(trace));
    }
    const auto rowAt = [&](double top) {
        return RectF{kArea.left + 60, top, kArea.width - 120, row};
    };
    overlay.captions.push_back(
        {.box = rowAt(kArea.top),
         .text = "Fading record: dB against the rms, " + std::to_string(kShownFrames) + " frames",
         .colour = kBlack,
         .sizedAs = ""});
    const std::string stats =
        "Below " + number_rules::wholeText(threshold) +
        " dB: " + number_rules::fixedText(100 * record.fractionBelow(threshold), 1) + " % of " +
        std::to_string(record.frames()) + " frames; theory " +
        number_rules::fixedText(100 * theoryBelow(form, record.level(threshold)), 1) + " %";
    overlay.captions.push_back(
        {.box = rowAt(kArea.bottom() - 2 * row),
         .text = stats,
         .colour = kBlack,
         .sizedAs = "Below -30 dB: 100.0 % of 100000 frames; theory 100.0 %"});
    if (fading::phasesWanderSlowly(form)) {
        overlay.captions.push_back({.box = rowAt(kArea.bottom() - row),
                                    .text = "Raise \"Speed\" for many independent fades",
                                    .colour = kThreshold,
                                    .sizedAs = ""});
    }
    out.push_back(std::move(overlay));
}

}  // namespace fading_record
