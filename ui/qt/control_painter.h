#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "ui/colour.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/shape.h"
#include "ui/qt/view_geometry.h"

QColor toQColor(Colour colour);

// The largest pixel size, at most `maxPixels`, at which `text` fits `width` pixels in `font`'s
// family. Captions are never clipped: where the face is too wide, the text gets smaller.
int fittedPixelSize(const QFont& font, const QString& text, int width, int maxPixels);
// The largest size at which the caption and every caption in `captionsShown` fit, in the dialog
// font: a caption that changes while the picture runs keeps this one size.
int fittedPixelSize(const std::string& caption, const std::vector<std::string>& captionsShown,
                    int width, int maxPixels);

// The font every caption and text of the window is set in.
QFont dialogFont(int pixelSize);

// Paints the windowless controls. The painter is set up by `begin` to work in twips.
class ControlPainter {
public:
    ControlPainter(QPainter& painter, const ViewGeometry& geometry, QColor buttonFace);

    void paint(const Line& line);
    void paint(const Shape& shape);
    void paint(const Label& label);
    void paint(const Image& image);

private:
    // The end disc of the last wide line drawn, which the next line may share.
    struct Joint {
        QPointF at;
        QColor colour;
        double width = 0;
        bool operator==(const Joint&) const = default;
    };

    Joint joint_;
    QPainter& painter_;
    const ViewGeometry& geometry_;
    QColor buttonFace_;
    QTransform twips_;
    qreal devicePixelRatio_;
};
