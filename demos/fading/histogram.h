#pragma once

#include "ui/rect_f.h"

class Form1;

// The envelope histogram of the fading demonstrations: 32 bins of 100 twips, drawn as bars at the
// top right, the tallest always 3000 twips high. It is on exactly while Line3 is visible.
namespace histogram {

inline constexpr int kBins = 32;
inline constexpr double kTallestBar = 3000;  // twips: the height of the largest count

bool isOn(const Form1& form);

// The box of the histogram's axes: Line3 stands at its left, Line4 is its baseline.
RectF axesBox(const Form1& form);

// The frames counted into the bars since "Histogram" was last pressed.
double total(const Form1& form);

// The "Histogram" button: shows the axes and bars and starts a new collection from zero counts.
void cmdHist_Click(Form1& form);

// Twips of bar height per count, so that the largest count stands kTallestBar high; 0 while
// nothing is counted.
double barScale(const Form1& form);

// The bin that a frame of envelope `r` (twips) counts into: r / 100 rounded with halves going
// up, so bin b holds lowerEdge(b) up to but not including upperEdge(b). A bin of kBins or more
// lies beyond the bars.
double binOf(double envelope);
// 100 b - 50 (0 for bin 0) and 100 b + 50 twips. An envelope exactly on an edge belongs to the
// bin above; to a density the edges themselves weigh nothing.
double lowerEdge(int bin);
double upperEdge(int bin);

// Counts one frame into `bin` (0 to 31) and redraws every bar, the counted one highlighted.
void count(Form1& form, int bin);

}  // namespace histogram
