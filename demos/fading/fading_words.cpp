#include "demos/fading/fading_words.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "demos/fading/histogram.h"
#include "demos/fading/theory_curve.h"
#include "i18n/translate.h"

namespace fading_words {
namespace {

using words::Kind;
using words::quoted;
using words::spoken;

// A histogram has settled when no bar's share of the frames moves by more than this between two
// looks kSettleFrames counted frames apart, after at least kSettleAfter frames.
constexpr double kSettled = 0.005;
constexpr double kSettleFrames = 200;
constexpr double kSettleAfter = 1000;

// The sentence that follows a sentence about the fades when the phases wander too slowly.
std::string speedAdvice() {
    // TRANSLATORS: "Speed" is the caption of the scroll bar that sets how fast the phases of the
    // rays wander; write it as the window shows it.
    return i18n::tr("Raise \"Speed\" for the statistics of many independent fades.");
}

std::string signalText(const Signal& signal) {
    if (signal.cancelled)
        return i18n::tr("The signal is now in a deep fade: the rays cancel.");
    const char* pattern =
        i18n::tr("The signal is now in a deep fade: %1$s decibels against its average.");
    switch (signal.level) {
        case Signal::Level::Strong:
            pattern = i18n::tr("The signal is now strong: %1$s decibels against its average.");
            break;
        case Signal::Level::Average:
            pattern = i18n::tr(
                "The signal is now about at its average: %1$s decibels against its average.");
            break;
        case Signal::Level::Weak:
            pattern = i18n::tr("The signal is now weak: %1$s decibels against its average.");
            break;
        case Signal::Level::DeepFade:
            break;
    }
    return i18n::format(pattern, {spoken(signal.decibels, 0)});
}

void describeFades(const Form1& form, words::Writer& w) {
    const bool ricean = fading::hasDirectRay(form);
    const double scattered = std::sqrt(fading::rayPower(form, ricean ? 2 : 1));
    const double ratio =
        ricean && scattered > 0
            ? fading::directLength(form) * fading::directLength(form) / (scattered * scattered)
            : 0;
    // The sentence on the pace of the phases, after the one on the fades.
    // TRANSLATORS: %1$s is the setting of the "Speed" scroll bar (write "Speed" as the window
    // shows it), %2$s the largest step of a phase in radians ("0.05").
    const std::string pace = " " + i18n::format(i18n::tr("At \"Speed\" %1$s a phase moves at "
                                                         "most %2$s radians a frame."),
                                                {spoken(form.hscRate.value(), 0),
                                                 spoken(fading::largestPhaseStep(form), 3)});
    if (!ricean) {
        w.add(Kind::FadesScattered, "fades",
              i18n::tr("Deep fades, more than 10 decibels below the average, come whenever the "
                       "rays cancel.") +
                  pace);
    } else if (ratio >= 1) {
        w.add(Kind::FadesStrongDirect, "fades",
              // TRANSLATORS: %1$s is how many times the direct ray's power is that of the
              // scattered rays together ("2.5").
              i18n::format(i18n::tr("The direct ray has %1$s times the power of the scattered "
                                    "rays together, so deep fades are rare and shallow."),
                           {spoken(ratio, 1)}) +
                  pace);
    } else {
        w.add(Kind::FadesWeakDirect, "fades",
              // TRANSLATORS: %1$s is the direct ray's power as a fraction of that of the
              // scattered rays together ("0.25").
              i18n::format(i18n::tr("The direct ray has less power than the scattered rays "
                                    "together (%1$s of it), so deep fades come often, as "
                                    "without it."),
                           {spoken(ratio, 2)}) +
                  pace);
    }
}

void describeHistogram(const Form1& form, words::Writer& w) {
    const double total = histogram::total(form);
    if (total == 0) {
        w.add(Kind::HistogramEmpty, "histogram",
              i18n::tr("The histogram at the top right is on and has counted no frame yet."));
        return;
    }
    int peak = 0;
    for (int k = 0; k < histogram::kBins; ++k) {
        if (form.HistBins[k] > form.HistBins[peak])
            peak = k;
    }
    // Where the bars stand at least half as high as the tallest.
    int low = peak;
    int high = peak;
    for (int k = 0; k < histogram::kBins; ++k) {
        if (form.HistBins[k] * 2 >= form.HistBins[peak]) {
            low = std::min(low, k);
            high = std::max(high, k);
        }
    }
    const double rms = std::sqrt(fading::rayPower(form));
    const std::string counted = spoken(total, 0);
    // "1 frame", "2 frames": the form for the count, as the language has its plurals.
    const auto frames = static_cast<unsigned long>(std::lround(total));
    const std::string tallest = spoken(peak * 100.0, 0);
    const std::string from = spoken(low * 100.0, 0);
    const std::string to = spoken(high * 100.0, 0);
    if (rms > 0) {
        const std::string level = spoken(peak * 100.0 / rms, 2);
        w.add(Kind::Histogram, "histogram",
              // TRANSLATORS: %1$s is the number of frames counted, %2$s the height of the
              // tallest bar in twips, %3$s that height as a fraction of the average level ("1.2"),
              // %4$s and %5$s the lowest and highest heights of the bars at least half as tall.
              i18n::format(i18n::trn("The histogram has counted %1$s frame; its tallest bar is at "
                                     "%2$s twips, %3$s of the average level, and the bars at "
                                     "least half as tall reach from %4$s to %5$s twips.",
                                     "The histogram has counted %1$s frames; its tallest bar is "
                                     "at %2$s twips, %3$s of the average level, and the bars at "
                                     "least half as tall reach from %4$s to %5$s twips.",
                                     frames),
                           {counted, tallest, level, from, to}));
    } else {
        w.add(Kind::Histogram, "histogram",
              // TRANSLATORS: %1$s is the number of frames counted, %2$s the height of the
              // tallest bar in twips, %3$s and %4$s the lowest and highest heights of the bars at
              // least half as tall.
              i18n::format(i18n::trn("The histogram has counted %1$s frame; its tallest bar is at "
                                     "%2$s twips, and the bars at least half as tall reach from "
                                     "%3$s to %4$s twips.",
                                     "The histogram has counted %1$s frames; its tallest bar is "
                                     "at %2$s twips, and the bars at least half as tall reach "
                                     "from %3$s to %4$s twips.",
                                     frames),
                           {counted, tallest, from, to}));
    }
    const std::vector<double> expected = theory_curve::expectedCounts(form, form.lesson.theory());
    if (expected.size() != static_cast<std::size_t>(histogram::kBins))
        return;
    // The share of the frames that would have to move to other bins for the bars to match the
    // curve.
    double apart = 0;
    for (int k = 0; k < histogram::kBins; ++k) apart += std::abs(form.HistBins[k] - expected[k]);
    const double share = apart / (2 * total);
    const bool rice = form.lesson.theory() == theory_curve::Theory::Ricean;
    // The distribution's name and how close the bars are, each in a sentence of its own.
    const char* pattern = nullptr;
    if (rice && share < 0.1) {
        pattern = i18n::tr(
            "The red curve of the Rice distribution lies over the bars; they are close to it: %1$s "
            "percent of the frames would have to move to match it.");
    } else if (rice && share < 0.25) {
        pattern = i18n::tr(
            "The red curve of the Rice distribution lies over the bars; they are roughly on it: "
            "%1$s percent of the frames would have to move to match it.");
    } else if (rice) {
        pattern = i18n::tr(
            "The red curve of the Rice distribution lies over the bars; they are still far from "
            "it: %1$s percent of the frames would have to move to match it.");
    } else if (share < 0.1) {
        pattern = i18n::tr(
            "The red curve of the Rayleigh distribution lies over the bars; they are close to it: "
            "%1$s percent of the frames would have to move to match it.");
    } else if (share < 0.25) {
        pattern = i18n::tr(
            "The red curve of the Rayleigh distribution lies over the bars; they are roughly on "
            "it: %1$s percent of the frames would have to move to match it.");
    } else {
        pattern = i18n::tr(
            "The red curve of the Rayleigh distribution lies over the bars; they are still far "
            "from it: %1$s percent of the frames would have to move to match it.");
    }
    std::string theory = i18n::format(pattern, {spoken(100 * std::min(share, 1.0), 0)});
    if (share >= 0.1 && fading::phasesWanderSlowly(form))
        theory += " " + speedAdvice();
    w.add(Kind::Theory, "theory", theory);
}

}  // namespace

std::optional<Signal> signalNow(const Form1& form) {
    const double rms = std::sqrt(fading::rayPower(form));
    if (fading::rayCount(form) < 2 || !(rms > 0))
        return std::nullopt;
    const double envelope = fading::envelope(form);
    if (!(envelope > 0))
        return Signal{Signal::Level::DeepFade, 0, true};
    const double decibels = 20 * std::log10(envelope / rms);
    const Signal::Level level = decibels >= 3    ? Signal::Level::Strong
                                : decibels > -3  ? Signal::Level::Average
                                : decibels > -10 ? Signal::Level::Weak
                                                 : Signal::Level::DeepFade;
    return Signal{level, decibels, false};
}

void describe(const Form1& form, words::Writer& w) {
    const int rays = fading::rayCount(form);
    if (rays == 0) {
        w.add(Kind::NoRays, "rays",
              // TRANSLATORS: %1$s is the text of the first option's list, in quotation marks.
              i18n::format(i18n::tr("%1$s names no number of rays: no ray is drawn."),
                           {quoted(form.cmbOne.text())}));
        return;
    }
    if (rays == 1) {
        w.add(Kind::OneRay, "rays",
              i18n::tr("One ray: the received signal is that ray alone, so it never fades."));
    } else {
        w.add(Kind::Rays, "rays",
              // TRANSLATORS: %1$s is the number of rays, 2 or more.
              i18n::format(i18n::tr("%1$s rays, each with a phase that wanders at random, are "
                                    "added head to tail from the centre; the dotted purple line "
                                    "back to the centre is the received signal."),
                           {spoken(rays, 0)}));
    }
    if (fading::hasDirectRay(form)) {
        w.add(Kind::DirectRay, "direct",
              i18n::format(
                  // TRANSLATORS: %1$s is the direct ray's length in twips, %2$s the setting of
                  // the "Fixed" scroll bar (write "Fixed" as the window shows it).
                  i18n::tr("Ray 1 is the direct path, %1$s twips long (\"Fixed\" at %2$s)."),
                  {spoken(fading::directLength(form), 0), spoken(form.hscFixed.value(), 0)}));
    }
    if (const std::optional<Signal> signal = signalNow(form)) {
        w.add(Kind::Signal, "signal", signalText(*signal), true);
        describeFades(form, w);
    }
    if (histogram::isOn(form))
        describeHistogram(form, w);
}

void describeLessons(const Form1& form, words::Writer& w) {
    if (!form.lesson.recordShown())
        return;
    const fading_record::Record& record = form.lesson.record();
    const int threshold = form.lesson.threshold();
    const std::string shownFrames = spoken(fading_record::kShownFrames, 0);
    const std::string below = spoken(100 * record.fractionBelow(threshold), 1);
    const std::string frames = spoken(double(record.frames()), 0);
    const std::string level = spoken(threshold, 0);
    const std::string theory =
        spoken(100 * fading_record::theoryBelow(form, record.level(threshold)), 1);
    std::string text = i18n::format(
        // TRANSLATORS: %1$s is the number of frames the chart shows, %2$s the percentage of the
        // recorded frames below the threshold, %3$s the number of frames recorded, %4$s the
        // threshold in decibels ("minus 10"), %5$s the percentage the theory expects.
        i18n::tr("The fading record at the bottom right charts the last %1$s frames in decibels "
                 "against their running average: %2$s percent of its %3$s frames were below %4$s "
                 "decibels, against %5$s percent in theory."),
        {shownFrames, below, frames, level, theory});
    if (fading::phasesWanderSlowly(form))
        text += " " + speedAdvice();
    w.add(Kind::FadingRecord, "record", text, true);
}

std::string news(const Form1& form, Watch& watch, bool mayTell) {
    if (fading::rayCount(form) < 2)
        return "";
    std::string event;
    const std::optional<Signal> signal = signalNow(form);
    const bool deep = signal && signal->level == Signal::Level::DeepFade;
    if (deep && !watch.inDeepFade)
        // TRANSLATORS: %1$s is a sentence on the signal now ("The signal is now in a deep
        // fade: ...").
        event = i18n::format(i18n::tr("A deep fade. %1$s"), {signalText(*signal)});
    watch.inDeepFade = deep;
    if (!histogram::isOn(form))
        return event;
    const double total = histogram::total(form);
    if (total < watch.snapshotTotal) {
        watch.histogramSettled = false;  // counted afresh
        watch.snapshot.clear();
        watch.snapshotTotal = 0;
    }
    if (mayTell && !watch.histogramSettled && total >= kSettleAfter &&
        total - watch.snapshotTotal >= kSettleFrames) {
        bool settled = watch.snapshot.size() == static_cast<std::size_t>(histogram::kBins);
        for (int k = 0; k < histogram::kBins && settled; ++k) {
            settled = std::abs(form.HistBins[k] / total -
                               watch.snapshot[k] / watch.snapshotTotal) <= kSettled;
        }
        watch.snapshot.assign(form.HistBins.begin(), form.HistBins.end());
        watch.snapshotTotal = total;
        if (settled) {
            watch.histogramSettled = true;
            words::Writer shape;
            describeHistogram(form, shape);
            // TRANSLATORS: %1$s is a sentence on the histogram's shape ("The histogram has counted
            // ...").
            event = i18n::format(i18n::tr("The histogram has settled. %1$s"),
                                 {shape.sentences().front().text});
        }
    }
    return event;
}

}  // namespace fading_words
