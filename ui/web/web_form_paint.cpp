#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/drawing/form_drawing.h"
#include "ui/drawing/reflow.h"
#include "ui/drawing/svg_writer.h"
#include "ui/web/canvas_painter.h"
#include "ui/web/dom.h"

using emscripten::val;

// What changed on the picture since the last event, with what the tools' additions changed,
// painted at the next animation frame.
void WebFormView::scheduleRepaint(bool everything) {
    RectF dirty = form_.takeDirtyRegion();
    if (optionsSource_) {
        // The tools' additions touch no control: what they change is painted for them.
        drawing::LessonLayer now = optionsSource_();
        drawing::LessonLayer shown = phoneLayer(now);
        if (notesMoved_) {
            // A column of words that grew or shrank arranges the page again, which paints it all.
            notesMoved_ = false;
            options_ = now;
            if (layout())
                return;
        }
        dirty = dirty.united(
            drawing::changedArea(shown_, shown, {0, 0, form_.clientWidth(), form_.clientHeight()}));
        if (now.projector != options_.projector)
            dom::setStyle(stage_, "backgroundColor",
                          dom::cssColour(drawing::windowBackground(now, kButtonFace)));
        options_ = std::move(now);
        shown_ = std::move(shown);
    }
    if (everything) {
        schedulePaint({0, 0, form_.clientWidth(), form_.clientHeight()});
    } else if (!dirty.isEmpty()) {
        schedulePaint(dirty);
    }
}

void WebFormView::schedulePaint(const RectF& region) {
    pendingPaint_ = pendingPaint_.united(region);
    if (paintRequested_ || paintAtOnce_)
        return;
    paintRequested_ = true;
    val::global("requestAnimationFrame")(paintCallback_);
}

void WebFormView::paint() {
    if (pendingPaint_.isEmpty())
        return;
    const RectF region = pendingPaint_;
    pendingPaint_ = {};
    const bool everything = region.left <= 0 && region.top <= 0 &&
                            region.right() >= form_.clientWidth() &&
                            region.bottom() >= form_.clientHeight();
    if (arrangement_.kind() == drawing::Arrangement::Kind::Uniform) {
        paintRegion(arrangement_.regions().front(), region, everything);
        return;
    }
    if (everything) {
        // The page between and beside the regions.
        for (PaneView& pane : panes_) {
            pane.context.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
            pane.context.set("fillStyle", dom::cssColour(background()));
            pane.context.call<void>("fillRect", 0, 0, pane.canvas["width"], pane.canvas["height"]);
        }
    }
    for (const drawing::Region& part : arrangement_.regions()) {
        const RectF shown = part.shown();
        if (everything) {
            // The lessons' words set again stand outside the form's twips.
            paintRegion(part, shown, false);
            continue;
        }
        const double left = std::max(region.left, shown.left);
        const double top = std::max(region.top, shown.top);
        const RectF dirty{left, top, std::min(region.right(), shown.right()) - left,
                          std::min(region.bottom(), shown.bottom()) - top};
        // A caption that runs on past its box is painted whole.
        if (!dirty.isEmpty())
            paintRegion(part, part.spare > 0 ? shown : dirty, false);
    }
}

// Paints what changed of one region through its mapping on its pane's canvas: the changed part in
// whole device pixels (a clip through a pixel would blend the old picture into the new), a pixel
// wider for antialiased edges, kept inside the region's place in the pane.
void WebFormView::paintRegion(const drawing::Region& part, const RectF& dirty, bool whole) {
    const drawing::ViewGeometry& geometry = part.geometry;
    const double ratio = geometry.devicePixelRatio();
    const bool uniform = arrangement_.kind() == drawing::Arrangement::Kind::Uniform;
    val context = panes_[part.pane].context;
    const val canvas = panes_[part.pane].canvas;
    context.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
    context.call<void>("save");
    const auto devicePixels = [ratio](const RectF& pixels, double margin) {
        const double left = std::floor(pixels.left * ratio) - margin;
        const double top = std::floor(pixels.top * ratio) - margin;
        return RectF{left, top, std::ceil(pixels.right() * ratio) + margin - left,
                     std::ceil(pixels.bottom() * ratio) + margin - top};
    };
    if (!whole) {
        const RectF changed = devicePixels(geometry.toPixels(dirty), 1);
        context.call<void>("beginPath");
        context.call<void>("rect", changed.left, changed.top, changed.width, changed.height);
        context.call<void>("clip");
    }
    if (!uniform) {
        const RectF place = devicePixels(geometry.toPixels(part.shown()), 0);
        context.call<void>("beginPath");
        context.call<void>("rect", place.left, place.top, place.width, place.height);
        context.call<void>("clip");
    }
    context.set("fillStyle", dom::cssColour(background()));
    context.call<void>("fillRect", 0, 0, canvas["width"], canvas["height"]);
    // Everything a pixel outside the clip may touch, in twips.
    const double pixel = 1.0 / geometry.pixelsPerTwip();
    const RectF reach = whole ? RectF{-1e9, -1e9, 2e9, 2e9} : dirty.adjusted(2 * pixel);
    std::vector<drawing::Primitive> primitives;
    drawRegion(part, reach, primitives);
    CanvasPainter painter(context, geometry);
    painter.paint(primitives);
    context.call<void>("restore");
}

void WebFormView::drawRegion(const drawing::Region& part, const RectF& reach,
                             std::vector<drawing::Primitive>& out) {
    drawing::drawForm(form_, reach, part.geometry, fitter_, kButtonFace, out, shown_,
                      part.spare > 0 ? part.shown() : RectF{});
}

void WebFormView::drawPicture(const RectF& region, const drawing::ViewGeometry& geometry,
                              std::vector<drawing::Primitive>& out) {
    drawing::drawForm(form_, region, geometry, fitter_, kButtonFace, out, options_);
}

// The lesson layer as a phone shows it: the words too wide for the controls' pane set again in
// their columns.
drawing::LessonLayer WebFormView::phoneLayer(drawing::LessonLayer layer) {
    for (drawing::Overlay& overlay : layer.overlays) {
        for (const Note& note : notes_) {
            if (overlay.area == note.area) {
                overlay = drawing::reflowed(overlay, note.at, notesWidth_, notesScale_, fitter_);
                notesMoved_ = notesMoved_ || !(overlay.area == note.placed);
                break;
            }
        }
    }
    return layer;
}

drawing::Rgba WebFormView::background() const {
    return drawing::windowBackground(options_, kButtonFace);
}

void WebFormView::setLessonLayer(std::function<drawing::LessonLayer()> source) {
    optionsSource_ = std::move(source);
    syncFromModel();
}

// The picture at the page's scale from the form's corner; twice the size is the same layout at a
// device pixel ratio of 2, finer pixels.
drawing::ViewGeometry WebFormView::pictureGeometry(double factor) const {
    drawing::ViewGeometry geometry;
    geometry.set(this->geometry().pixelsPerTwip(), {0, 0});
    geometry.setDevicePixelRatio(factor);
    return geometry;
}

val WebFormView::renderPicture(double factor) {
    return renderPictureOf(form_, options_, factor);
}

val WebFormView::renderPictureOf(const Form& form, const drawing::LessonLayer& layer,
                                 double factor) {
    const drawing::ViewGeometry geometry = pictureGeometry(factor);
    const double scale = geometry.pixelsPerTwip();
    val canvas = dom::create("canvas", "");
    canvas.set("width", std::max(1L, std::lround(form.clientWidth() * scale * factor)));
    canvas.set("height", std::max(1L, std::lround(form.clientHeight() * scale * factor)));
    val options = val::object();
    options.set("alpha", false);
    val context = canvas.call<val>("getContext", val("2d"), options);
    context.set("fillStyle", dom::cssColour(drawing::windowBackground(layer, kButtonFace)));
    context.call<void>("fillRect", 0, 0, canvas["width"], canvas["height"]);
    std::vector<drawing::Primitive> primitives;
    drawing::drawForm(form, {-1e9, -1e9, 2e9, 2e9}, geometry, fitter_, kButtonFace, primitives,
                      layer);
    CanvasPainter painter(context, geometry);
    painter.paint(primitives);
    return canvas;
}

std::string WebFormView::pictureSvg() {
    const drawing::ViewGeometry geometry = pictureGeometry(1);
    const double scale = geometry.pixelsPerTwip();
    std::vector<drawing::Primitive> primitives;
    drawPicture({-1e9, -1e9, 2e9, 2e9}, geometry, primitives);
    return drawing::toSvg(primitives, geometry,
                          static_cast<int>(std::max(1L, std::lround(form_.clientWidth() * scale))),
                          static_cast<int>(std::max(1L, std::lround(form_.clientHeight() * scale))),
                          background());
}
