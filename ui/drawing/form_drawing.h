#pragma once

#include <string>
#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/text_fitter.h"
#include "ui/drawing/view_geometry.h"
#include "ui/form.h"

namespace drawing {

// A tool's drawing over the picture: thin lines and captions inside its area (twips), above
// everything painted and clipped to the area, with an optional outline round it.
struct Overlay {
    struct Polyline {
        std::vector<PointF> points;
        Rgba colour;
        int pixels = 1;  // the line's width in logical pixels (two at least for a projector)
        bool dotted = false;
        bool closed = false;
        friend bool operator==(const Polyline&, const Polyline&) = default;
    };
    // A small filled circle, `pixels` logical pixels across whatever the scale, inside the area.
    struct Dot {
        PointF centre;
        Rgba colour;
        double pixels = 4;
        friend bool operator==(const Dot&, const Dot&) = default;
    };
    // Text at `points` in its box, made smaller where it would not fit the width; 18 points as the
    // window's labels. A caption whose numbers change from frame to frame is sized once by
    // `sizedAs`, the widest text it can show, so that it neither jumps nor has every one of its
    // texts measured. With `lines` above one the text breaks at its spaces into at most that many
    // lines, each box.height / lines high from the box's top, before it is made smaller; keep
    // those captions to texts that change seldom, since each of their texts is measured.
    struct Caption {
        RectF box;
        std::string text;
        double points = 18;
        Rgba colour;
        std::string sizedAs;
        int lines = 1;
        friend bool operator==(const Caption&, const Caption&) = default;
    };
    RectF area;
    Rgba outline{0, 0, 0, 0};  // alpha 0: none
    std::vector<Polyline> lines;
    std::vector<Dot> dots;
    std::vector<Caption> captions;
    friend bool operator==(const Overlay&, const Overlay&) = default;
};

// What the teaching tools add to the form's own picture. The default adds nothing: the picture is
// the form's alone.
struct LessonLayer {
    // A picture for a projector: a white background instead of the button face (the window's and
    // the labels'), and every line and border at least 2 logical pixels wide; dotted lines stay
    // dotted, colours stay as they are.
    bool projector = false;
    // A thin polyline (one logical pixel, two for a projector) through these points in twips,
    // above everything painted, clipped to `curveArea`. Empty: none.
    std::vector<PointF> curve;
    RectF curveArea;
    Rgba curveColour;
    // The other tools' drawings, in this order, above the curve.
    std::vector<Overlay> overlays;

    friend bool operator==(const LessonLayer&, const LessonLayer&) = default;
};

// The projector's background.
inline constexpr Rgba kProjectorBackground{255, 255, 255, 255};

// The colour a backend fills its dirty area with before painting: the button face, or white for
// a projector. Pass the same face to drawForm.
inline Rgba windowBackground(const LessonLayer& options, Rgba buttonFace) {
    return options.projector ? kProjectorBackground : buttonFace;
}

// What a change of the options leaves to repaint, in twips: nothing when they are equal, the
// whole client area `client` when the projector flag changed, else the areas of the curve and of
// the overlays that changed (old and new).
RectF changedArea(const LessonLayer& before, const LessonLayer& after, const RectF& client);

// The segments of the polyline through `points` that lie inside `area`, as runs of connected
// points: a run breaks where the polyline leaves the area.
std::vector<std::vector<PointF>> clipPolyline(const std::vector<PointF>& points, const RectF& area);

// The form's painted controls as primitives in twips, bottom first: every visible line, shape,
// label and image whose paint bounds meet `region` (twips), in the form's stacking order. The
// geometry (with the surface's device pixel ratio) decides the pixel-exact details: a line an odd
// number of device pixels wide is shifted onto pixel centres, borders are one logical pixel and
// captions are fitted in whole logical pixels. `buttonFace` is the labels' background.
// The window's own background is the backend's: it fills its dirty area with the button face
// before painting the list (windowBackground()). With `options`, the teaching tools' additions.
// A label whose box begins where `runOn` does fits and sets its caption in all of `runOn` (on a
// small screen, its region with the rest of its line).
void drawForm(const Form& form, const RectF& region, const ViewGeometry& geometry,
              TextFitter& fitter, Rgba buttonFace, std::vector<Primitive>& out,
              const LessonLayer& options = {}, const RectF& runOn = {});

}  // namespace drawing
