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
    context_.set("lineCap", val("butt"));
    context_.set("lineJoin", val("bevel"));
}

void CanvasPainter::paint(const std::vector<drawing::Primitive>& primitives) {
    const double ratio = geometry_.devicePixelRatio();
    frame_ = {geometry_.devicePixelsPerTwip(), geometry_.offset().x * ratio,
              geometry_.offset().y * ratio, false};
    applyFrame();
    for (const auto& primitive : primitives) std::visit(*this, primitive);
}

void CanvasPainter::applyFrame() {
    context_.call<void>("setTransform", frame_.scale, 0, 0, frame_.scale, frame_.offsetX,
                        frame_.offsetY);
}

void CanvasPainter::setFill(const drawing::Rgba& colour) {
    std::string css = dom::cssColour(colour);
    if (css == fill_)
        return;
    context_.set("fillStyle", css);
    fill_ = std::move(css);
}

void CanvasPainter::setStroke(const drawing::Rgba& colour, double width) {
    std::string css = dom::cssColour(colour);
    if (css != stroke_) {
        context_.set("strokeStyle", css);
        stroke_ = std::move(css);
    }
    if (width != lineWidth_) {
        context_.set("lineWidth", width);
        lineWidth_ = width;
    }
}

// Dots one width long with gaps of two widths, from the start of the line; 0 is solid.
void CanvasPainter::setDash(double dot) {
    if (dot == dash_)
        return;
    val pattern = val::array();
    if (dot > 0) {
        pattern.call<void>("push", dot);
        pattern.call<void>("push", 2 * dot);
    }
    context_.call<void>("setLineDash", pattern);
    context_.set("lineDashOffset", 0);
    dash_ = dot;
}

void CanvasPainter::operator()(const drawing::Line& line) {
    if (line.colour.alpha == 0)
        return;
    setStroke(line.colour, line.width);
    setDash(line.dotted ? line.width : 0);
    context_.call<void>("beginPath");
    context_.call<void>("moveTo", line.from.x, line.from.y);
    context_.call<void>("lineTo", line.to.x, line.to.y);
    context_.call<void>("stroke");
}

void CanvasPainter::operator()(const drawing::Disc& disc) {
    if (disc.colour.alpha == 0)
        return;
    setFill(disc.colour);
    context_.call<void>("beginPath");
    context_.call<void>("arc", disc.centre.x, disc.centre.y, disc.radius, 0, 2 * std::numbers::pi);
    context_.call<void>("fill");
}

void CanvasPainter::fillAndStroke(const drawing::Rgba& fill, const drawing::Rgba& border,
                                  double width) {
    if (fill.alpha > 0) {
        setFill(fill);
        context_.call<void>("fill");
    }
    if (border.alpha > 0 && width > 0) {
        setStroke(border, width);
        setDash(0);
        context_.call<void>("stroke");
    }
}

void CanvasPainter::operator()(const drawing::Rectangle& rectangle) {
    const RectF& box = rectangle.box;
    context_.call<void>("beginPath");
    context_.call<void>("rect", box.left, box.top, box.width, box.height);
    fillAndStroke(rectangle.fill, rectangle.border, rectangle.borderWidth);
}

void CanvasPainter::operator()(const drawing::Ellipse& ellipse) {
    const RectF& box = ellipse.box;
    if (!(box.width > 0 && box.height > 0))
        return;
    context_.call<void>("beginPath");
    context_.call<void>("ellipse", box.left + box.width / 2, box.top + box.height / 2,
                        box.width / 2, box.height / 2, 0, 0, 2 * std::numbers::pi);
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
        context_.call<void>("fillRect", box.left, box.top, box.width, box.height);
    }
    if (!text.text.empty() && text.colour.alpha > 0) {
        context_.call<void>("save");
        context_.call<void>("beginPath");
        context_.call<void>("rect", box.left, box.top, box.width, box.height);
        context_.call<void>("clip");
        context_.set("font", CanvasTextMeasurer::font(text.pixelSize));
        context_.set("textBaseline", val("alphabetic"));
        context_.set("textAlign", val("left"));
        const val metrics = context_.call<val>("measureText", text.text);
        const double ascent = metrics["fontBoundingBoxAscent"].as<double>();
        const double descent = metrics["fontBoundingBoxDescent"].as<double>();
        const double top = text.align == drawing::Text::Align::Middle
                               ? box.top + (box.height - (ascent + descent)) / 2
                               : box.top;
        context_.set("fillStyle", dom::cssColour(text.colour));
        context_.call<void>("fillText", text.text, box.left, top + ascent);
        context_.call<void>("restore");
        // restore() brought back the context's own fill style, not ours.
        fill_.clear();
        stroke_.clear();
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
    context_.call<void>("beginPath");
    for (const drawing::PathElement& element : path.elements) {
        switch (element.kind) {
            case drawing::PathElement::Kind::MoveTo:
                context_.call<void>("moveTo", element.point.x, element.point.y);
                break;
            case drawing::PathElement::Kind::LineTo:
                context_.call<void>("lineTo", element.point.x, element.point.y);
                break;
            case drawing::PathElement::Kind::Arc:
                context_.call<void>(
                    "arc", element.point.x, element.point.y, element.radius,
                    element.startDegrees * kRadiansPerDegree,
                    (element.startDegrees + element.sweepDegrees) * kRadiansPerDegree,
                    element.sweepDegrees < 0);
                break;
        }
    }
    setStroke(path.colour, path.width);
    setDash(0);
    context_.set("lineCap", val(drawing::cssName(path.cap)));
    context_.set("lineJoin", val(drawing::cssName(path.join)));
    context_.call<void>("stroke");
    context_.set("lineCap", val("butt"));
    context_.set("lineJoin", val("bevel"));
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
