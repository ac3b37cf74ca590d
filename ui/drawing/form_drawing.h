#pragma once

#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/text_fitter.h"
#include "ui/drawing/view_geometry.h"
#include "ui/form.h"

namespace drawing {

// The form's painted controls as primitives in twips, bottom first: every visible line, shape,
// label and image whose paint bounds meet `region` (twips), in the form's stacking order. The
// geometry (with the surface's device pixel ratio) decides the pixel-exact details: a line an odd
// number of device pixels wide is shifted onto pixel centres, borders are one logical pixel and
// captions are fitted in whole logical pixels. `buttonFace` is the labels' background.
// The window's own background is the backend's: it fills its dirty area with the button face
// before painting the list.
void drawForm(const Form& form, const RectF& region, const ViewGeometry& geometry,
              TextFitter& fitter, Rgba buttonFace, std::vector<Primitive>& out);

}  // namespace drawing
