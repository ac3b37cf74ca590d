#include "ui/qt/control_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>
#include <unordered_map>

#include "ui/qt/artwork.h"
#include "ui/twips.h"

QColor toQColor(Colour colour) { return QColor(colour.red(), colour.green(), colour.blue()); }

QFont dialogFont(int pixelSize) {
    QFont font;
    // A narrow face first: the boxes were laid out for a narrow dialog font.
    font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                      "DejaVu Sans", "Sans Serif"});
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

int fittedPixelSize(const QFont& font, const QString& text, int width, int maxPixels) {
    QFont probe = font;
    for (int pixels = maxPixels; pixels > 1; --pixels) {
        probe.setPixelSize(pixels);
        if (QFontMetricsF(probe).horizontalAdvance(text) <= width) return pixels;
    }
    return 1;
}

int fittedPixelSize(const std::string& caption, const std::vector<std::string>& captionsShown,
                    int width, int maxPixels) {
    // Measuring text is the costly part: the size is remembered per box width, size and texts.
    static std::unordered_map<std::string, int> cache;
    std::string key = std::to_string(width) + '/' + std::to_string(maxPixels) + '/' + caption;
    for (const std::string& text : captionsShown) (key += '\n') += text;
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QFont font = dialogFont(maxPixels);
        int pixels = fittedPixelSize(font, QString::fromStdString(caption), width, maxPixels);
        for (const std::string& text : captionsShown) {
            pixels = fittedPixelSize(font, QString::fromStdString(text), width, pixels);
        }
        it = cache.emplace(std::move(key), pixels).first;
    }
    return it->second;
}

ControlPainter::ControlPainter(QPainter& painter, const ViewGeometry& geometry, QColor buttonFace)
    : painter_(painter), geometry_(geometry), buttonFace_(buttonFace) {
    twips_ = QTransform::fromTranslate(geometry.offset().x(), geometry.offset().y())
                 .scale(geometry.pixelsPerTwip(), geometry.pixelsPerTwip());
    devicePixelRatio_ = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter_.setTransform(twips_);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void ControlPainter::paint(const Line& line) {
    if (line.x1() == line.x2() && line.y1() == line.y2()) return;  // a line of no length shows nothing
    const double penTwips = line.borderWidth() * twips::kPerPixel;
    const QColor colour = toQColor(line.borderColour());
    // A pen an odd number of device pixels wide is centred on pixel centres, so that a line on a
    // whole pixel coordinate is crisp rather than smeared over two rows.
    const double devicePixelsPerTwip = geometry_.pixelsPerTwip() * devicePixelRatio_;
    const long deviceWidth = std::lround(penTwips * devicePixelsPerTwip);
    const double shift = deviceWidth % 2 == 1 ? 0.5 / devicePixelsPerTwip : 0.0;
    const QPointF start(line.x1() + shift, line.y1() + shift);
    const QPointF end(line.x2() + shift, line.y2() + shift);

    if (line.drawnDotted()) {
        painter_.setPen(QPen(colour, penTwips, Qt::DotLine, Qt::FlatCap));
        painter_.drawLine(start, end);
        joint_ = {};
        return;
    }
    // A wide line has round ends. It is drawn as a flat-ended line, which the rasteriser fills
    // directly, with a disc on each end: the same shape, several times faster than a stroke with
    // round caps. Where a line continues the one before (a trace), their shared end is one disc.
    painter_.setPen(QPen(colour, penTwips, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(start, end);
    if (deviceWidth <= 1) {
        joint_ = {};
        return;
    }
    const double radius = penTwips / 2;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    const Joint startJoint{start, colour, penTwips};
    if (!(joint_ == startJoint)) painter_.drawEllipse(start, radius, radius);
    painter_.drawEllipse(end, radius, radius);
    painter_.setBrush(Qt::NoBrush);
    joint_ = {end, colour, penTwips};
}

void ControlPainter::paint(const Shape& shape) {
    joint_ = {};
    // A one-pixel border inside the box; a box less than a pixel high still shows its border.
    const double pixel = 1.0 / geometry_.pixelsPerTwip();
    const RectF drawn = shape.drawnBox();
    QRectF box(drawn.left, drawn.top, std::max(drawn.width, pixel), std::max(drawn.height, pixel));
    const QRectF border = box.adjusted(pixel / 2, pixel / 2, -pixel / 2, -pixel / 2);
    painter_.setPen(QPen(toQColor(shape.borderColour()), pixel));
    painter_.setBrush(toQColor(shape.fillColour()));
    if (shape.kind() == Shape::Kind::Circle) {
        painter_.drawEllipse(border);
    } else {
        painter_.drawRect(border);
    }
    painter_.setBrush(Qt::NoBrush);
}

void ControlPainter::paint(const Label& label) {
    joint_ = {};
    // Text is set in whole logical pixels for crisp glyphs, so it is drawn outside the twips
    // transform.
    const QRectF box = geometry_.toPixels(label.box());
    painter_.setTransform(QTransform());
    painter_.fillRect(box, buttonFace_);
    const QString caption = QString::fromStdString(label.caption());
    const int maxPixels = geometry_.fontPixels(label.fontPoints());
    const int pixels = fittedPixelSize(label.caption(), label.captionsShown(),
                                       static_cast<int>(std::floor(box.width())), maxPixels);
    painter_.setFont(dialogFont(pixels));
    painter_.setPen(Qt::black);
    painter_.save();
    painter_.setClipRect(box);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    painter_.restore();
    painter_.setTransform(twips_);
}

void ControlPainter::paint(const Image& image) {
    joint_ = {};
    // Drawn afresh for every scale, so that the logo stays sharp.
    static QImage picture;
    const qreal ratio = devicePixelRatio_ * geometry_.pixelsPerTwip() * twips::kPerPixel;
    if (picture.isNull() || picture.devicePixelRatio() != ratio) picture = artwork::logo(ratio);
    painter_.setTransform(QTransform());
    painter_.drawImage(geometry_.toPixels(image.box()), picture);
    painter_.setTransform(twips_);
}
