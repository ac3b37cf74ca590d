#pragma once

#include <optional>
#include <vector>

#include "ui/drawing/pixel_rect.h"
#include "ui/drawing/view_geometry.h"
#include "ui/rect_f.h"

namespace drawing {

// A part of the form that a small screen places on its own: a box in twips, and whether it has
// anything to show now.
struct FormPart {
    RectF box;
    bool shown = true;
    friend bool operator==(const FormPart&, const FormPart&) = default;
};

// One part of the form as it stands in the page: its box in twips and the mapping of those twips
// into the page's CSS pixels. `holes` are the boxes inside it that another region shows instead.
struct Region {
    RectF twips;
    std::vector<RectF> holes;
    ViewGeometry geometry;

    // Where it stands in the page, in CSS pixels.
    RectF page() const { return geometry.toPixels(twips); }
    bool showsTwips(double x, double y) const;
    friend bool operator==(const Region& a, const Region& b) {
        return a.twips == b.twips && a.holes == b.holes &&
               a.geometry.pixelsPerTwip() == b.geometry.pixelsPerTwip() &&
               a.geometry.offset() == b.geometry.offset();
    }
};

// Where the parts of the form stand in a page of a given size. On a large screen the whole form
// is one region, scaled uniformly to fit and centred, as on the desktop. Where that scale would
// make a list less than 26 CSS pixels high (24 inside its border: a phone), the parts stand one
// above the other (upright) or the picture at the left and the others in a column beside it
// (sideways), each at the largest scale that fits, so that a finger can use every control.
class Arrangement {
public:
    enum class Kind { Uniform, Upright, Sideways };

    // The smallest target a finger needs, in CSS pixels; a control's box on a small screen, the
    // target and the one-pixel border around it; and the zoom (against the design size) at which
    // the form's lists and buttons, 480 twips (32 design pixels) high and more, reach that box,
    // so that only the scroll bars, 375 twips high, grow.
    static constexpr double kFingerTarget = 24;
    static constexpr double kFingerBox = kFingerTarget + 2;
    static constexpr double kFingerZoom = kFingerBox / 32;

    // The rule that picks the arrangement: uniform where the form fits at kFingerZoom or more,
    // else upright on a screen at least as tall as wide, sideways on a wider one.
    static Kind kindFor(double formWidth, double formHeight, double width, double height);

    // The form of `formWidth` x `formHeight` twips in a page of `width` x `height` CSS pixels.
    // `parts` are the form's parts in the order a small screen stacks them, the picture first;
    // a shown part that lies inside the picture is a hole in it. Without parts, uniform.
    static Arrangement of(double formWidth, double formHeight, double width, double height,
                          const std::vector<FormPart>& parts);

    Kind kind() const { return kind_; }
    // The regions, the picture first: one for the uniform arrangement.
    const std::vector<Region>& regions() const { return regions_; }
    // The page's content, in CSS pixels: taller than the page where the parts need scrolling.
    double width() const { return width_; }
    double height() const { return height_; }

    // The region that shows a control's box: the one that holds its centre (a part before the
    // picture it lies in), the picture where none does.
    const Region& regionOf(const RectF& box) const;
    // The twips under a point of the page, through the region there; nothing in a gap between
    // regions or outside them.
    std::optional<PointF> toTwips(PointF page) const;
    // The box of a windowed control in the page; on a small screen, for a control a finger
    // uses as it is drawn (not a phasor tip, which a touch beside it picks), never below
    // kFingerBox in either direction, grown about its centre.
    PixelRect widgetRect(const RectF& box, bool growForFinger = true) const;

    void setDevicePixelRatio(double ratio);
    friend bool operator==(const Arrangement&, const Arrangement&) = default;

private:
    Kind kind_ = Kind::Uniform;
    std::vector<Region> regions_;
    double width_ = 0;
    double height_ = 0;
};

}  // namespace drawing
