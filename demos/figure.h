#pragma once

#include <string_view>

#include "ui/rect_f.h"

namespace demos {

// One figure of a demonstration's picture: a region of the form, in twips, that shows one thing
// whole (the axes and the ray chain, the histogram, one phasor's diagram with its sinusoid), so
// that a small screen can show the figures rather than the whole form.
struct Figure {
    std::string_view name;
    RectF box;
    // The row it stands in on a small screen, held upright and turned sideways: a row's figures
    // side by side, the rows one above the other, the first the main one.
    int uprightRow = 0;
    int sidewaysRow = 0;
    // A figure of words (a tool's numbers or caption): held upright, a small screen keeps its row
    // at the full width, where shrinking it would make its text too small to read.
    bool words = false;
    friend bool operator==(const Figure&, const Figure&) = default;
};

}  // namespace demos
