#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/view_geometry.h"

// The drawing layer's primitives rasterised with QPainter, antialiased. The list's units are
// mapped to logical pixels by `geometry` (twips for the form; pass a 1:1 geometry for an
// artwork's own units); text is set in whole logical pixels outside that transform.
class PrimitivePainter {
public:
    PrimitivePainter(QPainter& painter, const drawing::ViewGeometry& geometry);

    void paint(const std::vector<drawing::Primitive>& items);

    void operator()(const drawing::Line& line);
    void operator()(const drawing::Disc& disc);
    void operator()(const drawing::Rectangle& rectangle);
    void operator()(const drawing::Ellipse& ellipse);
    void operator()(const drawing::Text& text);
    void operator()(const drawing::Path& path);
    void operator()(const drawing::Picture& picture);

private:
    QPainter& painter_;
    const drawing::ViewGeometry& geometry_;
    QTransform units_;
};

QPainterPath toQPainterPath(const drawing::Path& path);
