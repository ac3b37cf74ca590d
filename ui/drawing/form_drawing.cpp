#include "ui/drawing/form_drawing.h"

#include <algorithm>
#include <cmath>

#include "i18n/translate.h"
#include "ui/drawing/artwork.h"
#include "ui/twips.h"

namespace drawing {
namespace {

// The narrowest line or border, in logical pixels: two for a projector.
int thinnestPixels(const LessonLayer& options) {
    return options.projector ? 2 : 1;
}

// Turns the controls into primitives one after another. A wide line that starts where the line
// before it ended, in the same colour and width, shares that end's disc.
class FormDrawer {
public:
    FormDrawer(const ViewGeometry& geometry, TextFitter& fitter, Rgba buttonFace,
               std::vector<Primitive>& out, int minimumPixels, const RectF& runOn)
        : geometry_(geometry),
          fitter_(fitter),
          buttonFace_(buttonFace),
          out_(out),
          minimumPixels_(minimumPixels),
          runOn_(runOn) {}

    void draw(const ::Line& line) {
        if (line.x1() == line.x2() && line.y1() == line.y2()) {
            return;  // a line of no length shows nothing, and leaves the joint as it was
        }
        const double width = std::max(line.borderWidth(), minimumPixels_) * twips::kPerPixel;
        const Rgba colour = Rgba::from(line.borderColour());
        // A pen an odd number of device pixels wide is centred on pixel centres, so that a line
        // on a whole pixel coordinate is crisp rather than smeared over two rows.
        const double devicePixelsPerTwip = geometry_.devicePixelsPerTwip();
        const long deviceWidth = std::lround(width * devicePixelsPerTwip);
        const double shift = deviceWidth % 2 == 1 ? 0.5 / devicePixelsPerTwip : 0.0;
        const PointF start{line.x1() + shift, line.y1() + shift};
        const PointF end{line.x2() + shift, line.y2() + shift};

        // Dotted only at one pixel: the model says when (a wider dotted line is solid).
        const bool dotted = line.drawnDotted();
        out_.push_back(Line{start, end, width, colour, dotted});
        // A wide solid line has round ends: a disc on each end of the flat-ended line, which a
        // rasteriser fills several times faster than a stroke with round caps.
        if (dotted || deviceWidth <= 1) {
            joint_ = {};
            return;
        }
        const double radius = width / 2;
        if (!(joint_ == Joint{start, colour, width})) {
            out_.push_back(Disc{start, radius, colour});
        }
        out_.push_back(Disc{end, radius, colour});
        joint_ = {end, colour, width};
    }

    void draw(const Shape& shape) {
        joint_ = {};
        // A one-pixel border (two for a projector) inside the box; a box less than a pixel high
        // still shows its border.
        const double pixel = minimumPixels_ / geometry_.pixelsPerTwip();
        const double half = pixel / 2;
        const RectF drawn = shape.drawnBox();
        const RectF border{drawn.left + half, drawn.top + half,
                           std::max(drawn.width, pixel) - half - half,
                           std::max(drawn.height, pixel) - half - half};
        const Rgba fill = Rgba::from(shape.fillColour());
        const Rgba edge = Rgba::from(shape.borderColour());
        if (shape.kind() == Shape::Kind::Circle) {
            out_.push_back(Ellipse{border, fill, edge, pixel});
        } else {
            out_.push_back(Rectangle{border, fill, edge, pixel});
        }
    }

    void draw(const Label& label) {
        joint_ = {};
        RectF box = label.box();
        if (runOn_.left == box.left && runOn_.top == box.top && runOn_.width > box.width)
            box.width = runOn_.width;
        const int room = static_cast<int>(std::floor(geometry_.toPixels(box).width));
        const std::string caption = i18n::shown(label.caption());
        const int pixels = fitter_.fit(caption, i18n::shown(label.captionsShown()), room,
                                       geometry_.fontPixels(label.fontPoints()));
        out_.push_back(
            Text{box, caption, pixels, Rgba::from(colours::kBlack), buttonFace_, Text::Align::Top});
    }

    void draw(const Image& image) {
        joint_ = {};
        out_.push_back(Picture{image.box(), &artwork::logo()});
    }

private:
    struct Joint {
        PointF at;
        Rgba colour;
        double width = 0;
        bool operator==(const Joint&) const = default;
    };

    const ViewGeometry& geometry_;
    TextFitter& fitter_;
    Rgba buttonFace_;
    std::vector<Primitive>& out_;
    int minimumPixels_;  // the narrowest line or border, in logical pixels
    RectF runOn_;
    Joint joint_;
};

// Where the segment from `a` to `b` runs inside `area` (Liang and Barsky's clipping), as the
// fractions of its length where it enters and leaves; false when it misses the area.
bool clipSegment(PointF a, PointF b, const RectF& area, double& enter, double& leave) {
    enter = 0;
    leave = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - area.left, area.right() - a.x, a.y - area.top, area.bottom() - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    return enter <= leave;
}

// The runs of the polyline inside `area` as thin paths with round joins.
void drawPolyline(const std::vector<PointF>& points, const RectF& area, Rgba colour, double width,
                  std::vector<Primitive>& out);

// An overlay: its outline, its lines clipped to its area (a dotted one as dotted segments), its
// captions fitted to their boxes in whole logical pixels.
void drawOverlay(const Overlay& overlay, const ViewGeometry& geometry, TextFitter& fitter,
                 int thinnest, std::vector<Primitive>& out) {
    const double pixel = 1 / geometry.pixelsPerTwip();
    if (overlay.outline.alpha != 0) {
        const double half = thinnest * pixel / 2;
        out.push_back(Rectangle{overlay.area.adjusted(-half), Rgba{0, 0, 0, 0}, overlay.outline,
                                thinnest * pixel});
    }
    for (const Overlay::Polyline& line : overlay.lines) {
        std::vector<PointF> points = line.points;
        if (line.closed && !points.empty())
            points.push_back(points.front());
        const double width = std::max(line.pixels, thinnest) * pixel;
        if (!line.dotted) {
            drawPolyline(points, overlay.area, line.colour, width, out);
            continue;
        }
        for (const std::vector<PointF>& run : clipPolyline(points, overlay.area)) {
            for (std::size_t i = 1; i < run.size(); ++i)
                out.push_back(Line{run[i - 1], run[i], width, line.colour, true});
        }
    }
    for (const Overlay::Dot& dot : overlay.dots) {
        if (overlay.area.contains(dot.centre.x, dot.centre.y))
            out.push_back(Disc{dot.centre, dot.pixels * pixel / 2, dot.colour});
    }
    for (const Overlay::Caption& caption : overlay.captions) {
        const int room = static_cast<int>(std::floor(geometry.toPixels(caption.box).width));
        const std::string& sized = caption.sizedAs.empty() ? caption.text : caption.sizedAs;
        if (caption.lines <= 1) {
            const int size = fitter.fit(sized, room, geometry.fontPixels(caption.points));
            out.push_back(Text{caption.box, caption.text, size, caption.colour, Rgba{0, 0, 0, 0},
                               Text::Align::Middle});
            continue;
        }
        std::vector<std::string> broken;
        int size = fitter.fitLines(sized, room, geometry.fontPixels(caption.points), caption.lines,
                                   broken);
        if (!caption.sizedAs.empty())
            size = fitter.fitLines(caption.text, room, size, caption.lines, broken);
        const double height = caption.box.height / caption.lines;
        const std::size_t shown = std::min(broken.size(), static_cast<std::size_t>(caption.lines));
        for (std::size_t i = 0; i < shown; ++i) {
            out.push_back(Text{{caption.box.left, caption.box.top + height * static_cast<double>(i),
                                caption.box.width, height},
                               broken[i],
                               size,
                               caption.colour,
                               Rgba{0, 0, 0, 0},
                               Text::Align::Middle});
        }
    }
}

}  // namespace

std::vector<std::vector<PointF>> clipPolyline(const std::vector<PointF>& points,
                                              const RectF& area) {
    std::vector<std::vector<PointF>> runs;
    bool joined = false;  // whether the last run ends at the current point, unclipped
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PointF a = points[i - 1];
        const PointF b = points[i];
        double enter = 0;
        double leave = 0;
        if (!clipSegment(a, b, area, enter, leave)) {
            joined = false;
            continue;
        }
        const auto at = [&](double t) {
            return PointF{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        };
        if (!(joined && enter == 0))
            runs.push_back({at(enter)});
        runs.back().push_back(at(leave));
        joined = leave == 1;
    }
    return runs;
}

RectF changedArea(const LessonLayer& before, const LessonLayer& after, const RectF& client) {
    if (before.projector != after.projector)
        return client;
    if (before == after)
        return {};
    RectF area;
    if (before.curve != after.curve || before.curveArea != after.curveArea ||
        !(before.curveColour == after.curveColour)) {
        area = (before.curve.empty() ? RectF{} : before.curveArea)
                   .united(after.curve.empty() ? RectF{} : after.curveArea);
    }
    const std::size_t count = std::max(before.overlays.size(), after.overlays.size());
    for (std::size_t i = 0; i < count; ++i) {
        const Overlay* b = i < before.overlays.size() ? &before.overlays[i] : nullptr;
        const Overlay* a = i < after.overlays.size() ? &after.overlays[i] : nullptr;
        if (b != nullptr && a != nullptr && *b == *a)
            continue;
        if (b != nullptr)
            area = area.united(b->area);
        if (a != nullptr)
            area = area.united(a->area);
    }
    return area;
}

void drawForm(const Form& form, const RectF& region, const ViewGeometry& geometry,
              TextFitter& fitter, Rgba buttonFace, std::vector<Primitive>& out,
              const LessonLayer& options, const RectF& runOn) {
    FormDrawer drawer(geometry, fitter, windowBackground(options, buttonFace), out,
                      thinnestPixels(options), runOn);
    for (const auto& item : form.paintOrder()) {
        std::visit(
            [&](const auto* control) {
                if (control->visible() && control->paintBounds().intersects(region)) {
                    drawer.draw(*control);
                }
            },
            item);
    }
    // The curve above the bars, in round joins so that its corners stay thin.
    if (!options.curve.empty() && options.curveArea.intersects(region)) {
        drawPolyline(options.curve, options.curveArea, options.curveColour,
                     thinnestPixels(options) / geometry.pixelsPerTwip(), out);
    }
    for (const Overlay& overlay : options.overlays) {
        if (overlay.area.intersects(region))
            drawOverlay(overlay, geometry, fitter, thinnestPixels(options), out);
    }
}

namespace {

void drawPolyline(const std::vector<PointF>& points, const RectF& area, Rgba colour, double width,
                  std::vector<Primitive>& out) {
    for (const std::vector<PointF>& run : clipPolyline(points, area)) {
        Path path{{}, colour, width, Cap::Flat, Join::Round};
        for (const PointF& point : run) {
            path.elements.push_back(
                {path.elements.empty() ? PathElement::Kind::MoveTo : PathElement::Kind::LineTo,
                 point});
        }
        out.push_back(std::move(path));
    }
}

}  // namespace

}  // namespace drawing
