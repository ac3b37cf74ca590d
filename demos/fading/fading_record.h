#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "ui/rect_f.h"

class Form1;

// The fading record: the received envelope of every frame of "Rayleigh" or "Ricean" since the
// record was switched on (or the rays last changed), kept for its statistics; the last
// kShownFrames of it are drawn as a strip chart in decibels against its running rms level.
namespace fading_record {

inline constexpr int kShownFrames = 300;
inline constexpr std::size_t kKeptFrames = 100000;
// Where the chart stands: the picture's free space below the histogram's controls.
inline constexpr RectF kArea{7440, 5445, 4140, 1710};
// Where its numbers stand: below the rays' axes, above the option rows, beside the chart.
inline constexpr RectF kNumbersArea{360, 6300, 7020, 840};
// The chart's range of decibels, top to bottom: the deepest fades below the bottom and the rare
// peaks above the top (a Rayleigh envelope lies above +5 dB in 4 % of the frames) stay at its
// edge.
inline constexpr double kTopDecibels = 5;
inline constexpr double kBottomDecibels = -30;

class Record {
public:
    void clear();
    void add(double envelope);
    // Keeps the envelope of the frame just drawn, where a ray is drawn; a record is of one
    // demonstration with the same rays and "Fixed": other rays, another record.
    void keepFrame(const Form1& form);
    std::size_t frames() const { return envelopes_.size(); }
    // The root mean square of the kept envelopes; 0 while there are none.
    double rms() const;
    // The last kShownFrames envelopes (fewer at first), oldest first.
    std::vector<double> shown() const;
    // Every kept envelope, oldest first.
    const std::deque<double>& kept() const { return envelopes_; }
    // An envelope in decibels against rms(); not finite for an envelope of 0 or while nothing is
    // kept.
    double decibelsOf(double envelope) const;
    // The envelope `decibels` against rms(), in twips.
    double level(double decibels) const;
    // The share of the kept frames whose envelope lies below level(decibels); 0 while there are
    // none.
    double fractionBelow(double decibels) const;

private:
    std::deque<double> envelopes_;
    double sumOfSquares_ = 0;
    std::string recordedFor_;  // the demonstration, the rays and "Fixed" that the record is of
};

// The share of frames that theory expects below an envelope of `threshold` twips, for the rays
// the window has now: Rayleigh's 1 - exp(-r^2 / Omega), Omega the sum of the squared ray lengths,
// in "Rayleigh"; Rice's distribution with the direct ray as its line of sight and the scattered
// rays' power in "Ricean"; for one ray, 0 or 1 as its length lies above or below.
double theoryBelow(const Form1& form, double threshold);

// Rice's distribution: the probability that the envelope of a direct component of length `nu`
// plus scattered power `scattered` (= 2 sigma^2, the mean square of the scattered part) lies
// below `r`, as a Poisson mixture of central chi-square distributions (1 - Marcum's Q1).
double riceBelow(double nu, double scattered, double r);

}  // namespace fading_record
