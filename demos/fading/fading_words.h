#pragma once

#include <optional>
#include <string>
#include <vector>

#include "demos/words.h"

class Form1;

// "Rayleigh" and "Ricean" in words: the rays, the signal now against its average, how often
// deep fades come, the direct ray, the histogram and how close it is to the theory curve, and the
// fading record while it is on.
namespace fading_words {

void describe(const Form1& form, words::Writer& w);
// The fading record's sentence, while the record shows.
void describeLessons(const Form1& form, words::Writer& w);

// The received signal now against the rays' rms level; there is none with fewer than two rays or
// none of any length.
struct Signal {
    enum class Level { Strong, Average, Weak, DeepFade };
    Level level;
    double decibels;  // meaningless where cancelled
    bool cancelled;   // the rays cancel: no signal at all, the deepest fade
};
std::optional<Signal> signalNow(const Form1& form);

// What a running fading picture watches: a deep fade beginning, and the histogram settling.
struct Watch {
    bool inDeepFade = false;
    bool histogramSettled = false;
    double snapshotTotal = 0;
    std::vector<double> snapshot;
};
// The news of the frame just drawn: "A deep fade. ..." as one begins, "The histogram has
// settled. ..." once its shape holds still; "" for none. The histogram's settling is looked for
// only when `mayTell`, so that it waits to be said.
std::string news(const Form1& form, Watch& watch, bool mayTell);

}  // namespace fading_words
