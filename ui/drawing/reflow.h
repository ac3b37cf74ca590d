#pragma once

#include "ui/drawing/form_drawing.h"
#include "ui/drawing/text_fitter.h"

namespace drawing {

// A lesson's words (an overlay of captions, each with its key, the lines and dots beside it) set
// again in a column `width` twips wide from `at`: each caption in a row of its own, its text
// broken at its spaces into as many lines as it needs at its own size at `scale` (CSS pixels per
// twip), with its key moved along. A row has the lines of the caption's widest text (`sizedAs`),
// so that the column keeps its height while the numbers change.
Overlay reflowed(const Overlay& words, PointF at, double width, double scale, TextFitter& fitter);

}  // namespace drawing
