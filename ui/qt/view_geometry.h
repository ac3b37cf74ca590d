#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "ui/rect_f.h"
#include "ui/twips.h"

// The mapping between the model's twips and the view's logical pixels: a uniform scale and an
// offset. At the design size it is 15 twips to a pixel with no offset.
class ViewGeometry {
public:
    double pixelsPerTwip() const { return scale_; }
    QPointF offset() const { return offset_; }
    void set(double pixelsPerTwip, QPointF offset) {
        scale_ = pixelsPerTwip;
        offset_ = offset;
    }

    QPointF toPixels(double x, double y) const { return offset_ + QPointF(x, y) * scale_; }
    QPointF toTwips(QPointF pixels) const { return (pixels - offset_) / scale_; }
    QRectF toPixels(const RectF& r) const {
        return QRectF(toPixels(r.left, r.top), toPixels(r.right(), r.bottom()));
    }
    // The widget box of a control: both edges rounded, so that neighbours stay neighbours.
    QRect toWidgetRect(const RectF& r) const {
        const QPointF topLeft = toPixels(r.left, r.top);
        const QPointF bottomRight = toPixels(r.right(), r.bottom());
        const int left = qRound(topLeft.x());
        const int top = qRound(topLeft.y());
        return QRect(left, top, qRound(bottomRight.x()) - left, qRound(bottomRight.y()) - top);
    }
    RectF toTwips(const QRectF& r) const {
        const QPointF topLeft = toTwips(r.topLeft());
        const QPointF bottomRight = toTwips(r.bottomRight());
        return {topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(),
                bottomRight.y() - topLeft.y()};
    }
    // A font size given in points, as logical pixels at this scale (96 dots per inch at 1:1).
    int fontPixels(double points) const {
        return qMax(1, qRound(points * twips::kPerPoint * scale_));
    }

private:
    double scale_ = 1.0 / twips::kPerPixel;
    QPointF offset_;
};
