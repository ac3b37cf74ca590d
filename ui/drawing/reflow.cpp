#include "ui/drawing/reflow.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/drawing/view_geometry.h"

namespace drawing {

Overlay reflowed(const Overlay& words, PointF at, double width, double scale, TextFitter& fitter) {
    ViewGeometry geometry;
    geometry.set(scale, {0, 0});
    Overlay out;
    out.outline = words.outline;
    const double dx = at.x - words.area.left;
    const double top =
        words.captions.empty() ? words.area.bottom() : words.captions.front().box.top;
    double y = at.y + (top - words.area.top);
    double bottom = words.area.bottom();
    for (const Overlay::Caption& caption : words.captions) {
        const double indent = caption.box.left - words.area.left;
        const double margin = std::max(0.0, words.area.right() - caption.box.right());
        const double room = std::max(0.0, width - indent - margin);
        const int roomPixels = static_cast<int>(std::floor(room * scale));
        const int pixels = geometry.fontPixels(caption.points);
        // The lines of the widest text, which changes seldom (the numbers' text changes with every
        // frame).
        std::vector<std::string> broken;
        fitter.fitLines(caption.sizedAs.empty() ? caption.text : caption.sizedAs, roomPixels,
                        pixels, 1000, broken);
        const std::size_t lines = std::max<std::size_t>(1, broken.size());
        const double lineHeight = caption.box.height / std::max(1, caption.lines);
        Overlay::Caption moved = caption;
        moved.box = {at.x + indent, y, room, lineHeight * static_cast<double>(lines)};
        moved.lines = static_cast<int>(lines);
        // The key beside the caption moves with it: the lines and dots that lie in its band.
        const double dy = y - caption.box.top;
        const auto inBand = [&caption](double pointY) {
            return pointY >= caption.box.top && pointY <= caption.box.bottom();
        };
        for (const Overlay::Polyline& line : words.lines) {
            if (line.points.empty() ||
                !std::all_of(line.points.begin(), line.points.end(),
                             [&inBand](const PointF& p) { return inBand(p.y); }))
                continue;
            Overlay::Polyline shifted = line;
            for (PointF& p : shifted.points) p = {p.x + dx, p.y + dy};
            out.lines.push_back(std::move(shifted));
        }
        for (const Overlay::Dot& dot : words.dots) {
            if (inBand(dot.centre.y))
                out.dots.push_back(
                    {{dot.centre.x + dx, dot.centre.y + dy}, dot.colour, dot.pixels});
        }
        out.captions.push_back(std::move(moved));
        y = out.captions.back().box.bottom();
        bottom = caption.box.bottom();
    }
    out.area = {at.x, at.y, width, y + (words.area.bottom() - bottom) - at.y};
    return out;
}

}  // namespace drawing
