#pragma once

#include <algorithm>
#include <cmath>

#include "ui/drawing/pixel_rect.h"
#include "ui/point_f.h"
#include "ui/rect_f.h"
#include "ui/twips.h"

namespace drawing {

// The mapping between the model's twips and a view's logical pixels: a uniform scale and an
// offset, and the device pixels per logical pixel of the surface being painted. At the design
// size it is 15 twips to a pixel with no offset.
class ViewGeometry {
public:
    double pixelsPerTwip() const { return scale_; }
    PointF offset() const { return offset_; }
    void set(double pixelsPerTwip, PointF offset) {
        scale_ = pixelsPerTwip;
        offset_ = offset;
    }
    // A form of `formWidth` x `formHeight` twips scaled uniformly to fit a surface of `width` x
    // `height` logical pixels, centred on it. Returns the zoom against the design size in whole
    // pixels (1 at that size; 1 too while the surface has no size yet).
    double fitForm(double formWidth, double formHeight, double width, double height) {
        const double designWidth = std::round(formWidth / twips::kPerPixel);
        const double designHeight = std::round(formHeight / twips::kPerPixel);
        double zoom = std::min(width / designWidth, height / designHeight);
        if (!(zoom > 0) || !std::isfinite(zoom))
            zoom = 1;
        const double scale = zoom / twips::kPerPixel;
        set(scale, {(width - formWidth * scale) / 2, (height - formHeight * scale) / 2});
        return zoom;
    }

    // The surface's device pixels per logical pixel (2 on a typical high-density screen).
    double devicePixelRatio() const { return devicePixelRatio_; }
    void setDevicePixelRatio(double ratio) { devicePixelRatio_ = ratio; }
    double devicePixelsPerTwip() const { return scale_ * devicePixelRatio_; }

    PointF toPixels(double x, double y) const {
        return {offset_.x + x * scale_, offset_.y + y * scale_};
    }
    PointF toTwips(PointF pixels) const {
        return {(pixels.x - offset_.x) / scale_, (pixels.y - offset_.y) / scale_};
    }
    // Both corners are mapped, so that boxes that meet in twips meet in pixels.
    RectF toPixels(const RectF& r) const {
        const PointF topLeft = toPixels(r.left, r.top);
        const PointF bottomRight = toPixels(r.right(), r.bottom());
        return {topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
    }
    RectF toTwips(const RectF& pixels) const {
        const PointF topLeft = toTwips(PointF{pixels.left, pixels.top});
        const PointF bottomRight = toTwips(PointF{pixels.right(), pixels.bottom()});
        return {topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
    }
    // The widget box of a control: both edges rounded, so that neighbours stay neighbours.
    PixelRect toWidgetRect(const RectF& r) const {
        const PointF topLeft = toPixels(r.left, r.top);
        const PointF bottomRight = toPixels(r.right(), r.bottom());
        const int left = roundToInt(topLeft.x);
        const int top = roundToInt(topLeft.y);
        return {left, top, roundToInt(bottomRight.x) - left, roundToInt(bottomRight.y) - top};
    }
    // The outline that follows a dragged control: its widget box centred on the pointer (logical
    // pixels), where the dropped control's centre goes; of an even size, the pixel left of and
    // above the middle is the centre.
    PixelRect dragOutline(const RectF& box, PointF pointer) const {
        PixelRect outline = toWidgetRect(box);
        outline.left = roundToInt(pointer.x) - (outline.width - 1) / 2;
        outline.top = roundToInt(pointer.y) - (outline.height - 1) / 2;
        return outline;
    }
    // A font size given in points, as whole logical pixels at this scale (96 dots per inch at
    // 1:1). Text is always set in whole pixels.
    int fontPixels(double points) const {
        return std::max(1, roundToInt(points * twips::kPerPoint * scale_));
    }

    // To the nearest whole number, halves away from zero.
    static int roundToInt(double value) {
        return static_cast<int>(value + std::copysign(0.5, value));
    }

private:
    double scale_ = 1.0 / twips::kPerPixel;
    PointF offset_;
    double devicePixelRatio_ = 1.0;
};

}  // namespace drawing
