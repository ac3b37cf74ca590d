#include "demos/fading/record_overlay.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "i18n/translate.h"
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
    const std::string shownFrames = std::to_string(kShownFrames);
    // TRANSLATORS: the title of the fading record's chart; "rms" is the signal's root mean square,
    // %1$s the number of frames the chart shows.
    const char* const title = i18n::tr("Fading record: dB against the rms, %1$s frames");
    overlay.captions.push_back({.box = rowAt(kArea.top),
                                .text = i18n::format(title, {shownFrames}),
                                .colour = kBlack,
                                .sizedAs = ""});
    // TRANSLATORS: under the fading record's chart: %1$s is the threshold in decibels ("-10"),
    // %2$s the percentage of the frames recorded below it, %3$s the number of frames recorded,
    // %4$s the percentage the theory expects; "%%" is a percent sign.
    const char* const stats = i18n::tr("Below %1$s dB: %2$s %% of %3$s frames; theory %4$s %%");
    const std::string level = number_rules::wholeText(threshold);
    const std::string below =
        i18n::localNumber(number_rules::fixedText(100 * record.fractionBelow(threshold), 1));
    const std::string frames = std::to_string(record.frames());
    const std::string theory = i18n::localNumber(
        number_rules::fixedText(100 * theoryBelow(form, record.level(threshold)), 1));
    // The widest the numbers get, for the size of the text; the shares with the language's
    // decimal mark.
    const std::string widestLevel = "-30";
    const std::string widestShare = i18n::localNumber("100.0");
    const std::string widestFrames = "100000";
    overlay.captions.push_back(
        {.box = rowAt(kArea.bottom() - 2 * row),
         .text = i18n::format(stats, {level, below, frames, theory}),
         .colour = kBlack,
         .sizedAs = i18n::format(stats, {widestLevel, widestShare, widestFrames, widestShare})});
    if (fading::phasesWanderSlowly(form)) {
        // TRANSLATORS: "Speed" is the caption of the scroll bar that sets how fast the phases of
        // the rays wander; write it as the window shows it.
        const char* const advice = i18n::tr("Raise \"Speed\" for many independent fades");
        overlay.captions.push_back({.box = rowAt(kArea.bottom() - row),
                                    .text = advice,
                                    .colour = kThreshold,
                                    .sizedAs = ""});
    }
    out.push_back(std::move(overlay));
}

}  // namespace fading_record
