#pragma once

class Form1;

// The envelope histogram of the fading demonstrations: 32 bins of 100 twips, drawn as bars at the
// top right, the tallest always 3000 twips high. It is on exactly while Line3 is visible.
namespace histogram {

inline constexpr int kBins = 32;
inline constexpr double kTallestBar = 3000;  // twips: the height of the largest count

bool isOn(const Form1& form);

// The "Histogram" button: shows the axes and bars and starts a new collection from zero counts.
void cmdHist_Click(Form1& form);

// Twips of bar height per count, so that the largest count stands kTallestBar high; 0 while
// nothing is counted.
double barScale(const Form1& form);

// Counts one frame into `bin` (0 to 31) and redraws every bar, the counted one highlighted.
void count(Form1& form, int bin);

}  // namespace histogram
