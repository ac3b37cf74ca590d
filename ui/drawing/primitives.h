#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "ui/colour.h"
#include "ui/point_f.h"
#include "ui/rect_f.h"

// The few plain shapes every picture of the program is made of. A backend (QPainter, a Canvas 2D,
// an SVG writer) paints a list of them in order, each above the ones before. The drawing rules
// (joints, the dotted rule, borders inside boxes, fitted text, the logo) are already applied:
// a backend draws exactly what it is given.
//
// Units: in the form's list, coordinates and widths are twips (x to the right, y downwards);
// inside an Artwork they are the artwork's own units. Text sizes are whole logical pixels.
namespace drawing {

// A colour with its opacity: alpha 255 is opaque, 0 draws nothing.
struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    static constexpr Rgba from(Colour colour) {
        return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                static_cast<std::uint8_t>(colour.blue()), 255};
    }
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A straight stroke of `width`, centred on the segment, with flat (butt) ends: a wide line's
// round ends come as Discs of their own. A dotted line has dots one width long and gaps two
// widths long, starting at `from`.
struct Line {
    PointF from;
    PointF to;
    double width = 0;
    Rgba colour;
    bool dotted = false;
};

// A filled circle without an outline.
struct Disc {
    PointF centre;
    double radius = 0;
    Rgba colour;
};

// A box filled with `fill`, its edge stroked with `border` at `borderWidth`, centred on the edge
// as every stroke is, with bevel joins. The box is already inset so that the border lands inside
// the control.
struct Rectangle {
    RectF box;
    Rgba fill;
    Rgba border;
    double borderWidth = 0;
};

// The ellipse inscribed in `box`, filled and stroked as a Rectangle.
struct Ellipse {
    RectF box;
    Rgba fill;
    Rgba border;
    double borderWidth = 0;
};

// One line of UTF-8 text, left-aligned in `box`, in the program's sans-serif face at `pixelSize`
// whole logical pixels (in an Artwork: its units), never wrapped. The box is first filled with
// `background` (alpha 0: left alone), and the text is clipped to it. The size is already fitted
// to the box's width; a backend sets the text in logical pixels (not scaled with the twips) so
// that glyphs stay crisp.
struct Text {
    enum class Align {
        Top,     // the line's top at the box's top
        Middle,  // the line's height (ascent + descent) centred in the box
    };
    RectF box;
    std::string text;
    int pixelSize = 1;
    Rgba colour;
    Rgba background{0, 0, 0, 0};
    Align align = Align::Top;
};

enum class Cap { Flat, Round, Square };
enum class Join { Bevel, Miter, Round };

// The names CSS, a Canvas 2D and SVG give a cap and a join.
constexpr const char* cssName(Cap cap) {
    switch (cap) {
        case Cap::Round:
            return "round";
        case Cap::Square:
            return "square";
        case Cap::Flat:
            break;
    }
    return "butt";
}

constexpr const char* cssName(Join join) {
    switch (join) {
        case Join::Miter:
            return "miter";
        case Join::Round:
            return "round";
        case Join::Bevel:
            break;
    }
    return "bevel";
}

// One step of a Path.
struct PathElement {
    enum class Kind {
        MoveTo,  // starts a new subpath at `point`
        LineTo,  // a straight line from the current point to `point`
        // The arc of the circle about `point` with `radius`, from `startDegrees` through
        // `sweepDegrees`. Angles are measured clockwise on the screen (y downwards) from the
        // positive x axis, as a Canvas 2D measures them, but in degrees. Where there is a current
        // point a straight line joins it to the arc's start; otherwise the arc starts a subpath.
        Arc,
    };
    Kind kind = Kind::MoveTo;
    PointF point;
    double radius = 0;
    double startDegrees = 0;
    double sweepDegrees = 0;
};

// Straight lines and arcs, stroked (never filled) with `width`, `cap` and `join`.
struct Path {
    std::vector<PathElement> elements;
    Rgba colour;
    double width = 0;
    Cap cap = Cap::Flat;
    Join join = Join::Bevel;
};

struct Artwork;

// An artwork scaled to fill `box`: its width x height units onto the box. A backend may
// rasterise the artwork once per scale and reuse it.
struct Picture {
    RectF box;
    const Artwork* artwork = nullptr;
};

using Primitive = std::variant<Line, Disc, Rectangle, Ellipse, Text, Path, Picture>;

// A picture of the program's own, drawn in its own box of width x height units (logical pixels
// at the design size) with a transparent background.
struct Artwork {
    double width = 0;
    double height = 0;
    std::vector<Primitive> items;
};

}  // namespace drawing
