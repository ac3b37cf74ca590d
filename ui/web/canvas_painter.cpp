#include "ui/web/canvas_painter.h"

#include <numbers>

#include "ui/web/canvas_text_measurer.h"
#include "ui/web/dom.h"

using emscripten::val;

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

}  // namespace

CanvasPainter::CanvasPainter(val context, const drawing::ViewGeometry& geometry)
    : context_(std::move(context)), geometry_(geometry) {
    setText(Property::LineCap, "butt");
    setText(Property::LineJoin, "bevel");
}

void CanvasPainter::paint(const std::vector<drawing::Primitive>& primitives) {
    const double ratio = geometry_.devicePixelRatio();
    frame_ = {geometry_.devicePixelsPerTwip(), geometry_.offset().x * ratio,
              geometry_.offset().y * ratio, false};
    applyFrame();
    for (const auto& primitive : primitives) std::visit(*this, primitive);
    // The script reads the numbers and the texts where they lie, in the program's memory, and
    // calls nothing of the program's while it paints.
    val::module_property("paintCanvas")(
        context_, val(emscripten::typed_memory_view(commands_.size(), commands_.data())),
        val(emscripten::typed_memory_view(texts_.size(),
                                          reinterpret_cast<const unsigned char*>(texts_.data()))));
    commands_.clear();
    texts_.clear();
}

void CanvasPainter::command(Command which, std::initializer_list<double> arguments) {
    commands_.push_back(static_cast<double>(which));
    commands_.insert(commands_.end(), arguments);
}

void CanvasPainter::addText(std::string_view value) {
    commands_.push_back(static_cast<double>(texts_.size()));
    commands_.push_back(static_cast<double>(value.size()));
    texts_.append(value);
}

void CanvasPainter::setText(Property property, std::string_view value) {
    command(Command::SetText, {static_cast<double>(property)});
    addText(value);
}

void CanvasPainter::applyFrame() {
    command(Command::SetTransform,
            {frame_.scale, 0, 0, frame_.scale, frame_.offsetX, frame_.offsetY});
}

void CanvasPainter::setFill(const drawing::Rgba& colour) {
    if (fill_ == colour)
        return;
    setText(Property::FillStyle, dom::cssColour(colour));
    fill_ = colour;
}

void CanvasPainter::setStroke(const drawing::Rgba& colour, double width) {
    if (stroke_ != colour) {
        setText(Property::StrokeStyle, dom::cssColour(colour));
        stroke_ = colour;
    }
    if (width != lineWidth_) {
        command(Command::SetLineWidth, {width});
        lineWidth_ = width;
    }
}

// Dots one width long with gaps of two widths, from the start of the line; 0 is solid.
void CanvasPainter::setDash(double dot) {
    if (dot == dash_)
        return;
    command(Command::SetLineDash, {dot > 0 ? dot : 0});
    dash_ = dot;
}

void CanvasPainter::operator()(const drawing::Line& line) {
    if (line.colour.alpha == 0)
        return;
    setStroke(line.colour, line.width);
    setDash(line.dotted ? line.width : 0);
    command(Command::BeginPath);
    command(Command::MoveTo, {line.from.x, line.from.y});
    command(Command::LineTo, {line.to.x, line.to.y});
    command(Command::Stroke);
}

void CanvasPainter::operator()(const drawing::Disc& disc) {
    if (disc.colour.alpha == 0)
        return;
    setFill(disc.colour);
    command(Command::BeginPath);
    command(Command::Arc, {disc.centre.x, disc.centre.y, disc.radius, 0, 2 * std::numbers::pi, 0});
    command(Command::Fill);
}

void CanvasPainter::fillAndStroke(const drawing::Rgba& fill, const drawing::Rgba& border,
                                  double width) {
    if (fill.alpha > 0) {
        setFill(fill);
        command(Command::Fill);
    }
    if (border.alpha > 0 && width > 0) {
        setStroke(border, width);
        setDash(0);
        command(Command::Stroke);
    }
}

void CanvasPainter::operator()(const drawing::Rectangle& rectangle) {
    const RectF& box = rectangle.box;
    command(Command::BeginPath);
    command(Command::Rect, {box.left, box.top, box.width, box.height});
    fillAndStroke(rectangle.fill, rectangle.border, rectangle.borderWidth);
}

void CanvasPainter::operator()(const drawing::Ellipse& ellipse) {
    const RectF& box = ellipse.box;
    if (!(box.width > 0 && box.height > 0))
        return;
    command(Command::BeginPath);
    command(Command::Ellipse, {box.left + box.width / 2, box.top + box.height / 2, box.width / 2,
                               box.height / 2, 0, 0, 2 * std::numbers::pi});
    fillAndStroke(ellipse.fill, ellipse.border, ellipse.borderWidth);
}

void CanvasPainter::operator()(const drawing::Text& text) {
    // On the form the text is set in logical pixels (crisp glyphs at whole sizes), outside the
    // twips transform; inside an artwork everything is in its units.
    RectF box = text.box;
    const Frame saved = frame_;
    if (!frame_.textInUnits) {
        box = geometry_.toPixels(box);
        const double ratio = geometry_.devicePixelRatio();
        frame_ = {ratio, 0, 0, false};
        applyFrame();
    }
    if (text.background.alpha > 0) {
        setFill(text.background);
        command(Command::FillRect, {box.left, box.top, box.width, box.height});
    }
    if (!text.text.empty() && text.colour.alpha > 0) {
        command(Command::Save);
        command(Command::BeginPath);
        command(Command::Rect, {box.left, box.top, box.width, box.height});
        command(Command::Clip);
        setText(Property::Font, CanvasTextMeasurer::font(text.pixelSize));
        setText(Property::TextBaseline, "alphabetic");
        setText(Property::TextAlign, "left");
        setText(Property::FillStyle, dom::cssColour(text.colour));
        // The script measures the text's face, to set it on its baseline in the box.
        command(Command::FillTextInBox, {box.left, box.top, box.width, box.height,
                                         text.align == drawing::Text::Align::Middle ? 1.0 : 0.0});
        addText(text.text);
        command(Command::Restore);
        // restore() brought back the context's own fill style, not ours.
        fill_.reset();
        stroke_.reset();
        lineWidth_ = -1;
        dash_ = -1;
    }
    if (!saved.textInUnits) {
        frame_ = saved;
        applyFrame();
    }
}

void CanvasPainter::operator()(const drawing::Path& path) {
    if (path.elements.empty() || path.colour.alpha == 0)
        return;
    command(Command::BeginPath);
    for (const drawing::PathElement& element : path.elements) {
        switch (element.kind) {
            case drawing::PathElement::Kind::MoveTo:
                command(Command::MoveTo, {element.point.x, element.point.y});
                break;
            case drawing::PathElement::Kind::LineTo:
                command(Command::LineTo, {element.point.x, element.point.y});
                break;
            case drawing::PathElement::Kind::Arc:
                command(Command::Arc,
                        {element.point.x, element.point.y, element.radius,
                         element.startDegrees * kRadiansPerDegree,
                         (element.startDegrees + element.sweepDegrees) * kRadiansPerDegree,
                         element.sweepDegrees < 0 ? 1.0 : 0.0});
                break;
        }
    }
    setStroke(path.colour, path.width);
    setDash(0);
    setText(Property::LineCap, drawing::cssName(path.cap));
    setText(Property::LineJoin, drawing::cssName(path.join));
    command(Command::Stroke);
    setText(Property::LineCap, "butt");
    setText(Property::LineJoin, "bevel");
}

void CanvasPainter::operator()(const drawing::Picture& picture) {
    if (picture.artwork == nullptr || !(picture.artwork->width > 0 && picture.artwork->height > 0))
        return;
    const Frame saved = frame_;
    // The artwork's units onto the box, uniformly (the box has the artwork's proportions).
    const double unit = picture.box.width / picture.artwork->width;
    frame_ = {saved.scale * unit, saved.offsetX + saved.scale * picture.box.left,
              saved.offsetY + saved.scale * picture.box.top, true};
    applyFrame();
    for (const auto& item : picture.artwork->items) std::visit(*this, item);
    frame_ = saved;
    applyFrame();
}
