#include "ui/qt/primitive_painter.h"

#include <QImage>

#include "ui/qt/dialog_font.h"
#include "ui/qt/qt_conversions.h"

namespace {

Qt::PenCapStyle toQt(drawing::Cap cap) {
    switch (cap) {
        case drawing::Cap::Round:
            return Qt::RoundCap;
        case drawing::Cap::Square:
            return Qt::SquareCap;
        case drawing::Cap::Flat:
            break;
    }
    return Qt::FlatCap;
}

Qt::PenJoinStyle toQt(drawing::Join join) {
    switch (join) {
        case drawing::Join::Round:
            return Qt::RoundJoin;
        case drawing::Join::Miter:
            return Qt::MiterJoin;
        case drawing::Join::Bevel:
            break;
    }
    return Qt::BevelJoin;
}

// An artwork at its natural size (one unit to a logical pixel) on a transparent background.
QImage rasterise(const drawing::Artwork& artwork, qreal devicePixelRatio) {
    const QSize logical(qRound(artwork.width), qRound(artwork.height));
    QImage image(logical * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing::ViewGeometry units;
    units.set(1.0, {0, 0});
    units.setDevicePixelRatio(devicePixelRatio);
    PrimitivePainter(painter, units).paint(artwork.items);
    return image;
}

}  // namespace

PrimitivePainter::PrimitivePainter(QPainter& painter, const drawing::ViewGeometry& geometry)
    : painter_(painter), geometry_(geometry) {
    units_ = QTransform::fromTranslate(geometry.offset().x, geometry.offset().y)
                 .scale(geometry.pixelsPerTwip(), geometry.pixelsPerTwip());
    painter_.setTransform(units_);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void PrimitivePainter::paint(const std::vector<drawing::Primitive>& items) {
    for (const drawing::Primitive& item : items) std::visit(*this, item);
}

void PrimitivePainter::operator()(const drawing::Line& line) {
    painter_.setPen(QPen(toQColor(line.colour), line.width,
                         line.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(toQPointF(line.from), toQPointF(line.to));
}

void PrimitivePainter::operator()(const drawing::Disc& disc) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toQColor(disc.colour));
    painter_.drawEllipse(toQPointF(disc.centre), disc.radius, disc.radius);
}

void PrimitivePainter::operator()(const drawing::Rectangle& rectangle) {
    painter_.setPen(QPen(toQColor(rectangle.border), rectangle.borderWidth));
    painter_.setBrush(toQColor(rectangle.fill));
    painter_.drawRect(toQRectF(rectangle.box));
}

void PrimitivePainter::operator()(const drawing::Ellipse& ellipse) {
    painter_.setPen(QPen(toQColor(ellipse.border), ellipse.borderWidth));
    painter_.setBrush(toQColor(ellipse.fill));
    painter_.drawEllipse(toQRectF(ellipse.box));
}

void PrimitivePainter::operator()(const drawing::Text& text) {
    // Whole logical pixels for crisp glyphs: the box is mapped here, and the text drawn without
    // the units' scale.
    const QRectF box = toQRectF(geometry_.toPixels(text.box));
    painter_.setTransform(QTransform());
    if (text.background.alpha != 0) {
        painter_.fillRect(box, toQColor(text.background));
    }
    painter_.setFont(dialogFont(text.pixelSize));
    painter_.setPen(toQColor(text.colour));
    const Qt::Alignment vertical =
        text.align == drawing::Text::Align::Top ? Qt::AlignTop : Qt::AlignVCenter;
    painter_.save();
    painter_.setClipRect(box);
    painter_.drawText(box, Qt::AlignLeft | vertical | Qt::TextSingleLine,
                      QString::fromStdString(text.text));
    painter_.restore();
    painter_.setTransform(units_);
}

void PrimitivePainter::operator()(const drawing::Path& path) {
    painter_.setPen(
        QPen(toQColor(path.colour), path.width, Qt::SolidLine, toQt(path.cap), toQt(path.join)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(toQPainterPath(path));
}

void PrimitivePainter::operator()(const drawing::Picture& picture) {
    // Rasterised once per scale at the surface's own resolution, so that it stays sharp.
    static const drawing::Artwork* drawn = nullptr;
    static QImage image;
    const qreal ratio =
        geometry_.devicePixelsPerTwip() * (picture.box.width / picture.artwork->width);
    if (drawn != picture.artwork || image.isNull() || image.devicePixelRatio() != ratio) {
        image = rasterise(*picture.artwork, ratio);
        drawn = picture.artwork;
    }
    painter_.setTransform(QTransform());
    painter_.drawImage(toQRectF(geometry_.toPixels(picture.box)), image);
    painter_.setTransform(units_);
}

QPainterPath toQPainterPath(const drawing::Path& path) {
    QPainterPath result;
    bool open = false;  // whether there is a current point
    for (const drawing::PathElement& element : path.elements) {
        const QPointF point = toQPointF(element.point);
        switch (element.kind) {
            case drawing::PathElement::Kind::MoveTo:
                result.moveTo(point);
                break;
            case drawing::PathElement::Kind::LineTo:
                result.lineTo(point);
                break;
            case drawing::PathElement::Kind::Arc: {
                // Qt measures angles counter-clockwise on the screen.
                const double r = element.radius;
                const QRectF box(point.x() - r, point.y() - r, 2 * r, 2 * r);
                if (!open)
                    result.arcMoveTo(box, -element.startDegrees);
                result.arcTo(box, -element.startDegrees, -element.sweepDegrees);
                break;
            }
        }
        open = true;
    }
    return result;
}
