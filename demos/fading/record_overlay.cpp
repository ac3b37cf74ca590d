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

constexpr Rgba kFrame{96, 96, 96, 255};    // the chart's frame and ticks
constexpr Rgba kGrid{176, 176, 176, 255};  // the gridlines, lighter than the trace
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kTrace{0, 0, 176, 255};      // dark blue: apart from the rays and the bars
constexpr Rgba kThreshold{208, 0, 0, 255};  // red, as the theory curve

// The panel, in twips: the dB labels in a column at the left, the frames' labels in a row at the
// bottom, the chart in the rest; a label as high as the window's labels.
constexpr double kLabelColumn = 870;
constexpr double kFramesRow = 375;
constexpr double kLabel = 480;
constexpr double kMargin = 60;
constexpr double kTick = 75;
constexpr int kFramesPerTick = 50;

}  // namespace

RectF chartBox() {
    return {kArea.left + kLabelColumn, kArea.top + kMargin,
            kArea.width - kLabelColumn - 2 * kMargin, kArea.height - kMargin - kFramesRow};
}

double yOfDecibels(double decibels) {
    const RectF chart = chartBox();
    const double clamped = std::clamp(decibels, kBottomDecibels, kTopDecibels);
    return chart.top + (kTopDecibels - clamped) / (kTopDecibels - kBottomDecibels) * chart.height;
}

void drawRecord(const Form1& form, std::vector<Overlay>& out) {
    if (!form.lesson.recordShown())
        return;
    const Record& record = form.lesson.record();
    const int threshold = form.lesson.threshold();
    const RectF chart = chartBox();
    Overlay overlay;
    overlay.area = kArea;
    // The gridlines every 10 dB below the top and their labels, each label centred on its line.
    for (int decibels = 0; decibels >= kBottomDecibels; decibels -= 10) {
        const double y = yOfDecibels(decibels);
        overlay.lines.push_back({{{chart.left, y}, {chart.right(), y}}, kGrid});
        overlay.captions.push_back(
            {.box = {kArea.left + kMargin, y - kLabel / 2, kLabelColumn - 2 * kMargin, kLabel},
             // TRANSLATORS: the label of the fading record's 0 dB line, its envelope's rms level.
             .text = decibels == 0 ? std::string(i18n::tr("0 dB")) : std::to_string(decibels),
             .colour = kBlack,
             .sizedAs = i18n::tr("0 dB")});
    }
    // The frames: a tick every 50 below the chart, the newest frame at the right edge; the oldest
    // shown at the left end, the newest at the right, the unit between them.
    const double step = chart.width / (kShownFrames - 1);
    for (int ago = 0; ago < kShownFrames; ago += kFramesPerTick) {
        const double x = chart.right() - step * ago;
        overlay.lines.push_back({{{x, chart.bottom()}, {x, chart.bottom() + kTick}}, kFrame});
    }
    const double axisTop = chart.bottom() + kTick;
    const double axisHeight = kArea.bottom() - axisTop;
    overlay.captions.push_back({.box = {chart.left, axisTop, 900, axisHeight},
                                .text = "-" + std::to_string(kShownFrames),
                                .colour = kBlack,
                                .sizedAs = ""});
    overlay.captions.push_back({.box = {chart.right() - 210, axisTop, 270, axisHeight},
                                .text = "0",
                                .colour = kBlack,
                                .sizedAs = ""});
    // TRANSLATORS: under the middle of the fading record's chart: the unit of its time axis.
    overlay.captions.push_back(
        {.box = {chart.left + chart.width / 2 - 540, axisTop, 1200, axisHeight},
         .text = i18n::tr("frames"),
         .colour = kBlack,
         .sizedAs = ""});
    overlay.lines.push_back(
        {{{chart.left, yOfDecibels(threshold)}, {chart.right(), yOfDecibels(threshold)}},
         kThreshold,
         2,
         true});
    const std::vector<double> shown = record.shown();
    if (record.rms() > 0 && shown.size() >= 2) {
        Overlay::Polyline trace{{}, kTrace};
        // The newest frame at the right edge.
        const double left = chart.right() - step * static_cast<double>(shown.size() - 1);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double decibels = shown[i] > 0 ? record.decibelsOf(shown[i]) : kBottomDecibels;
            trace.points.push_back({left + step * static_cast<double>(i), yOfDecibels(decibels)});
        }
        overlay.lines.push_back(std::move(trace));
    }
    // The chart's frame last, over the ends of the gridlines.
    overlay.lines.push_back({{{chart.left, chart.top},
                              {chart.right(), chart.top},
                              {chart.right(), chart.bottom()},
                              {chart.left, chart.bottom()}},
                             kFrame,
                             1,
                             false,
                             true});
    out.push_back(std::move(overlay));

    // The numbers in two lines below the rays' axes, beside the chart: the share below the
    // threshold and the theory's, or the advice where the rays hardly move.
    Overlay numbers;
    numbers.area = kNumbersArea;
    const double row = kNumbersArea.height / 2;
    const auto rowAt = [&](int index) {
        return RectF{kNumbersArea.left, kNumbersArea.top + row * index, kNumbersArea.width, row};
    };
    // TRANSLATORS: beside the fading record's chart: %1$s is the threshold in decibels ("-10"),
    // %2$s the percentage of the frames recorded below it, %3$s the number of frames recorded;
    // "%%" is a percent sign.
    const char* const share = i18n::tr("Below %1$s dB: %2$s %% of %3$s frames");
    // TRANSLATORS: under the share of frames below the fading record's threshold: %1$s the
    // percentage that the theory expects; "%%" is a percent sign.
    const char* const expected = i18n::tr("Theory for these rays: %1$s %%");
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
    numbers.captions.push_back(
        {.box = rowAt(0),
         .text = i18n::format(share, {level, below, frames}),
         .colour = kBlack,
         .sizedAs = i18n::format(share, {widestLevel, widestShare, widestFrames})});
    if (fading::phasesWanderSlowly(form)) {
        // TRANSLATORS: "Speed" is the caption of the scroll bar that sets how fast the phases of
        // the rays wander; write it as the window shows it.
        const char* const advice = i18n::tr("Raise \"Speed\" for independent fades");
        numbers.captions.push_back(
            {.box = rowAt(1), .text = advice, .colour = kThreshold, .sizedAs = ""});
    } else {
        numbers.captions.push_back({.box = rowAt(1),
                                    .text = i18n::format(expected, {theory}),
                                    .colour = kBlack,
                                    .sizedAs = i18n::format(expected, {widestShare})});
    }
    out.push_back(std::move(numbers));
}

}  // namespace fading_record
