#pragma once

#include <string>
#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/view_geometry.h"

// The primitives as an SVG document, for a picture that a vector editor can open and a printer
// can print at any size. The toolkit-free backend of the drawing layer: no fonts are measured, and
// text is kept as text.
namespace drawing {

// The CSS font families of the program's face, narrow faces first, as the views set them.
inline constexpr const char* kSvgFontFamilies =
    "'DejaVu Sans Condensed', 'Liberation Sans Narrow', 'Nimbus Sans Narrow', 'Arial Narrow', "
    "'DejaVu Sans', sans-serif";

// A document of `width` x `height` pixels, filled with `background`, with `items` (the form's
// list, in twips) mapped to pixels by `geometry` and painted in order. Colours are written as
// #RRGGBB with their opacity apart; every Text is a <text> clipped to its box. Text outside the
// form's 0..width, 0..height is clipped by the document's own viewport.
std::string toSvg(const std::vector<Primitive>& items, const ViewGeometry& geometry, int width,
                  int height, Rgba background);

}  // namespace drawing
