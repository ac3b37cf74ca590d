#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include "ui/colour.h"
#include "ui/drawing/pixel_rect.h"
#include "ui/drawing/primitives.h"
#include "ui/point_f.h"
#include "ui/rect_f.h"

// The drawing layer's plain values as Qt's, and back.
inline QPointF toQPointF(PointF point) {
    return QPointF(point.x, point.y);
}
inline PointF toPointF(QPointF point) {
    return {point.x(), point.y()};
}
inline QRectF toQRectF(const RectF& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}
inline RectF toRectF(const QRectF& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
inline QRect toQRect(const drawing::PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

inline QColor toQColor(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}
inline QColor toQColor(drawing::Rgba colour) {
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}
inline drawing::Rgba toRgba(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue()), static_cast<std::uint8_t>(colour.alpha())};
}
