#pragma once

#include "ui/drawing/primitives.h"
#include "ui/rect_f.h"

// The program's own pictures, as primitives.
namespace drawing::artwork {

// The logo of the bottom-left corner, 300 x 48 units with a transparent background: wavefronts
// spreading from a source, the name, and a wave fading to the right. Built once.
const Artwork& logo();

// A wave that starts strong at the left and fades to the right, through the box `area`, as an
// open polyline (unstroked: the caller gives it a colour, width, cap and join).
Path dampedWave(const RectF& area, int crests);

}  // namespace drawing::artwork
