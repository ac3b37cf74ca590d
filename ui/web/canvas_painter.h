#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/view_geometry.h"

// Rasterises the drawing layer's primitives on a Canvas 2D context. It draws exactly what it is
// given: the drawing rules (joints, the dotted rule, borders inside boxes, fitted captions, the
// logo) are the drawing layer's.
class CanvasPainter {
public:
    CanvasPainter(emscripten::val context, const drawing::ViewGeometry& geometry);

    // Paints the form's list, in twips, bottom first.
    void paint(const std::vector<drawing::Primitive>& primitives);

    void operator()(const drawing::Line& line);
    void operator()(const drawing::Disc& disc);
    void operator()(const drawing::Rectangle& rectangle);
    void operator()(const drawing::Ellipse& ellipse);
    void operator()(const drawing::Text& text);
    void operator()(const drawing::Path& path);
    void operator()(const drawing::Picture& picture);

private:
    // The units being painted in: device pixels = scale * unit + offset.
    struct Frame {
        double scale = 1;
        double offsetX = 0;
        double offsetY = 0;
        // Inside an artwork text sizes are its units; on the form they are logical pixels.
        bool textInUnits = false;
    };

    void applyFrame();
    void setFill(const drawing::Rgba& colour);
    void setStroke(const drawing::Rgba& colour, double width);
    void setDash(double dot);
    void fillAndStroke(const drawing::Rgba& fill, const drawing::Rgba& border, double width);

    emscripten::val context_;
    const drawing::ViewGeometry& geometry_;
    Frame frame_;
    // What the context is set to, so that unchanged state is not sent again.
    std::string fill_;
    std::string stroke_;
    double lineWidth_ = -1;
    double dash_ = -1;
};
