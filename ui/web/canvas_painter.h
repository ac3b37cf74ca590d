#pragma once

#include <emscripten/val.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/drawing/primitives.h"
#include "ui/drawing/view_geometry.h"

// Rasterises the drawing layer's primitives on a Canvas 2D context. It draws exactly what it is
// given: the drawing rules (joints, the dotted rule, borders inside boxes, fitted captions, the
// logo) are the drawing layer's. The context's calls are written down as numbers (and their texts
// as UTF-8) and made in one go by the page's script (Module.paintCanvas in ui/web/bridge.js): one
// call into JavaScript a paint, where a call of each would cost more than the drawing itself.
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

    // What the page's script does with a command: its number, then its arguments (a text is its
    // offset and length in texts_). The names are the Canvas 2D calls they make.
    enum class Command {
        SetTransform,
        SetText,  // a property to a text: the property's index (Property), the text
        SetLineWidth,
        SetLineDash,  // the dot's length, 0 for a solid line
        BeginPath,
        MoveTo,
        LineTo,
        Stroke,
        Fill,
        Arc,
        Rect,
        Ellipse,
        FillRect,
        Save,
        Clip,
        Restore,
        FillTextInBox,  // box, 1 to centre it in the box's height (else at its top), the text
    };
    enum class Property {
        FillStyle,
        StrokeStyle,
        Font,
        LineCap,
        LineJoin,
        TextBaseline,
        TextAlign
    };

    void command(Command which, std::initializer_list<double> arguments = {});
    void addText(std::string_view value);
    void setText(Property property, std::string_view value);

    void applyFrame();
    void setFill(const drawing::Rgba& colour);
    void setStroke(const drawing::Rgba& colour, double width);
    void setDash(double dot);
    void fillAndStroke(const drawing::Rgba& fill, const drawing::Rgba& border, double width);

    emscripten::val context_;
    std::vector<double> commands_;
    std::string texts_;
    const drawing::ViewGeometry& geometry_;
    Frame frame_;
    // What the context is set to, so that unchanged state is not sent again.
    std::optional<drawing::Rgba> fill_;
    std::optional<drawing::Rgba> stroke_;
    double lineWidth_ = -1;
    double dash_ = -1;
};
