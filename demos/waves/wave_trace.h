#pragma once

#include <initializer_list>
#include <vector>

#include "demos/figure.h"

class Form1;

// The trace that "Plane Wave" and "Group Velocity" share: lnePlot(0) to lnePlot(95) from
// x = 120 to x = 11640, 120 twips a segment, zero line at y = 3000, 2000 twips per unit.
namespace wave_trace {

// The two option rows of a wave demonstration: each captioned and filled, both at "1.0", shown;
// OptionValue := 1.0 whatever the windowing layer raises; the relative-phase row hidden.
void setUpOptionRows(Form1& form, const char* firstCaption,
                     std::initializer_list<const char*> firstEntries, const char* secondCaption,
                     std::initializer_list<const char*> secondEntries);

// Lays the 96 segments out flat on the zero line and shows them.
void layOut(Form1& form);

// The four steps that start a wave demonstration's animation from its beginning (the first frame
// is drawn by the caller, at its own point of the set-up).
void restartAnimation(Form1& form);

// Where a sample of 0 lies and how far a sample of 1 lies below it, in twips.
inline constexpr double kZeroLine = 3000;
inline constexpr double kTwipsPerUnit = 2000;

// Draws Trace1 and puts the marker circle's centre on the left end of segment 49 (x = 6000).
void drawFrame(Form1& form);

// How high the marker's centre stands above the zero line, in units of the trace: the sample at
// the joint it rides on, as the frame placed it (upwards positive).
double markerHeight(const Form1& form);

// The one figure of the wave demonstrations: the line with its trace and marker.
std::vector<demos::Figure> figures(const Form1& form);

// Every sample that a typed value reaches goes through this: a sample whose arithmetic failed
// (not a number) lies on the zero line, and a sample beyond a thousand crests is held there,
// far outside the window, so that only finite coordinates reach the segments.
double boundedSample(double sample);

inline constexpr double kSampleLimit = 1000.0;

}  // namespace wave_trace
