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
    // A lesson tool's panel or words (the fading record, its numbers, the ellipse's caption): a
    // small screen shows it among the controls at their scale, so that its text is as large as
    // theirs, rather than among the figures.
    bool lesson = false;
    friend bool operator==(const Figure&, const Figure&) = default;
};

}  // namespace demos
