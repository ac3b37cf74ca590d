#include "demos/fading/fading_words.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "demos/fading/histogram.h"
#include "demos/fading/theory_curve.h"

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

const char* const kSpeedAdvice = " Raise \"Speed\" for the statistics of many independent fades.";

std::string signalText(const Signal& signal) {
    if (signal.cancelled)
        return "The signal is now in a deep fade: the rays cancel.";
    const char* words = "in a deep fade";
    switch (signal.level) {
        case Signal::Level::Strong:
            words = "strong";
            break;
        case Signal::Level::Average:
            words = "about at its average";
            break;
        case Signal::Level::Weak:
            words = "weak";
            break;
        case Signal::Level::DeepFade:
            break;
    }
    return "The signal is now " + std::string(words) + ": " + spoken(signal.decibels, 0) +
           " decibels against its average.";
}

void describeFades(const Form1& form, words::Writer& w) {
    const bool ricean = fading::hasDirectRay(form);
    const double scattered = std::sqrt(fading::rayPower(form, ricean ? 2 : 1));
    const double ratio =
        ricean && scattered > 0
            ? fading::directLength(form) * fading::directLength(form) / (scattered * scattered)
            : 0;
    const std::string pace = " At \"Speed\" " + spoken(form.hscRate.value(), 0) +
                             " a phase moves at most " + spoken(fading::largestPhaseStep(form), 3) +
                             " radians a frame.";
    if (!ricean) {
        w.add(Kind::FadesScattered, "fades",
              "Deep fades, more than 10 decibels below the average, come whenever the rays "
              "cancel." +
                  pace);
    } else if (ratio >= 1) {
        w.add(Kind::FadesStrongDirect, "fades",
              "The direct ray has " + spoken(ratio, 1) +
                  " times the power of the scattered rays together, so deep fades are rare "
                  "and shallow." +
                  pace);
    } else {
        w.add(Kind::FadesWeakDirect, "fades",
              "The direct ray has less power than the scattered rays together (" +
                  spoken(ratio, 2) + " of it), so deep fades come often, as without it." + pace);
    }
}

void describeHistogram(const Form1& form, words::Writer& w) {
    const double total = histogram::total(form);
    if (total == 0) {
        w.add(Kind::HistogramEmpty, "histogram",
              "The histogram at the top right is on and has counted no frame yet.");
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
    w.add(Kind::Histogram, "histogram",
          "The histogram has counted " + spoken(total, 0) + " frames; its tallest bar is at " +
              spoken(peak * 100.0, 0) + " twips" +
              (rms > 0 ? ", " + spoken(peak * 100.0 / rms, 2) + " of the average level" : "") +
              ", and the bars at least half as tall reach from " + spoken(low * 100.0, 0) + " to " +
              spoken(high * 100.0, 0) + " twips.");
    const std::vector<double> expected = theory_curve::expectedCounts(form, form.lesson.theory());
    if (expected.size() != static_cast<std::size_t>(histogram::kBins))
        return;
    // The share of the frames that would have to move to other bins for the bars to match the
    // curve.
    double apart = 0;
    for (int k = 0; k < histogram::kBins; ++k) apart += std::abs(form.HistBins[k] - expected[k]);
    const double share = apart / (2 * total);
    const bool rice = form.lesson.theory() == theory_curve::Theory::Ricean;
    w.add(Kind::Theory, "theory",
          "The red curve of the " + std::string(rice ? "Rice" : "Rayleigh") +
              " distribution lies over the bars; they are " +
              (share < 0.1    ? "close to it"
               : share < 0.25 ? "roughly on it"
                              : "still far from it") +
              ": " + spoken(100 * std::min(share, 1.0), 0) +
              " percent of the frames would have to move to match it" +
              (share >= 0.1 && fading::phasesWanderSlowly(form) ? "." + std::string(kSpeedAdvice)
                                                                : "."));
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
              quoted(form.cmbOne.text()) + " names no number of rays: no ray is drawn.");
        return;
    }
    if (rays == 1) {
        w.add(Kind::OneRay, "rays",
              "One ray: the received signal is that ray alone, so it never fades.");
    } else {
        w.add(Kind::Rays, "rays",
              spoken(rays, 0) +
                  " rays, each with a phase that wanders at random, are added head "
                  "to tail from the centre; the dotted purple line back to the "
                  "centre is the received signal.");
    }
    if (fading::hasDirectRay(form)) {
        w.add(Kind::DirectRay, "direct",
              "Ray 1 is the direct path, " + spoken(fading::directLength(form), 0) +
                  " twips long (\"Fixed\" at " + spoken(form.hscFixed.value(), 0) + ").");
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
    w.add(Kind::FadingRecord, "record",
          "The fading record at the bottom right charts the last " +
              spoken(fading_record::kShownFrames, 0) +
              " frames in decibels against their running average: " +
              spoken(100 * record.fractionBelow(threshold), 1) + " percent of its " +
              spoken(double(record.frames()), 0) + " frames were below " + spoken(threshold, 0) +
              " decibels, against " +
              spoken(100 * fading_record::theoryBelow(form, record.level(threshold)), 1) +
              " percent in theory." + (fading::phasesWanderSlowly(form) ? kSpeedAdvice : ""),
          true);
}

std::string news(const Form1& form, Watch& watch, bool mayTell) {
    if (fading::rayCount(form) < 2)
        return "";
    std::string event;
    const std::optional<Signal> signal = signalNow(form);
    const bool deep = signal && signal->level == Signal::Level::DeepFade;
    if (deep && !watch.inDeepFade)
        event = "A deep fade. " + signalText(*signal);
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
            event = "The histogram has settled. " + shape.sentences().front().text;
        }
    }
    return event;
}

}  // namespace fading_words
