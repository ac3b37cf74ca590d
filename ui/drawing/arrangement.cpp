#include "ui/drawing/arrangement.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/twips.h"

namespace drawing {
namespace {

// The controls' zoom against the design size: at least where a list's text, set at 16 points on
// a small screen, is 16 CSS pixels high (sideways, where the column's width is chosen), and at
// most half as large again as the design.
constexpr double kMinControlZoom = 0.75;
constexpr double kMaxControlZoom = 1.5;
// Upright, where the figures must shrink, a row below the first keeps at least this share of the
// width.
constexpr double kLeastShare = 0.4;
// Sideways, the controls' column takes at most this share of the width, unless its text needs
// more, and no more than the figures leave.
constexpr double kColumnShare = 0.45;

Region placed(const RectF& box, double scale, double left, double top, int pane) {
    Region region;
    region.twips = box;
    region.pane = pane;
    region.geometry.set(scale, {left - box.left * scale, top - box.top * scale});
    return region;
}

double aspects(const std::vector<RectF>& row) {
    double sum = 0;
    for (const RectF& box : row) sum += box.width / box.height;
    return sum;
}

// How far a figure may grow upwards and downwards, in twips: within the picture, and clear of
// every other box (the other figures, the controls) that stands above or below it.
std::pair<double, double> roomAbout(const RectF& box, const std::vector<RectF>& others,
                                    const RectF& picture) {
    double up = box.top - picture.top;
    double down = picture.bottom() - box.bottom();
    for (const RectF& other : others) {
        if (other == box || !(other.left < box.right() && box.left < other.right()))
            continue;
        if (other.bottom() <= box.top)
            up = std::min(up, box.top - other.bottom());
        else if (other.top >= box.bottom())
            down = std::min(down, other.top - box.bottom());
    }
    return {std::max(0.0, up), std::max(0.0, down)};
}

// The rows of figures stacked from the top of a pane `width` wide, each row as wide as the pane
// times its share, centred; `extra` CSS pixels more height shared among the rows in proportion to
// their heights, which each figure takes as more of the form above and below it, where it has
// room. Returns the height they use.
double placeFigures(const std::vector<std::vector<RectF>>& rows, const PhoneParts& parts,
                    double width, const std::vector<double>& shares, double extra,
                    std::vector<Region>& out) {
    std::vector<RectF> all;
    double natural = 0;
    for (const auto& row : rows) {
        all.insert(all.end(), row.begin(), row.end());
        natural += width / aspects(row);
    }
    for (const auto& line : parts.controls) all.insert(all.end(), line.begin(), line.end());
    all.insert(all.end(), parts.notes.begin(), parts.notes.end());
    double y = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const double share = shares[r];
        const double rowHeight = width / aspects(row) * share;
        const double rowExtra = natural > 0 ? extra * (width / aspects(row)) / natural : 0;
        // Each figure's growth up and down, in twips, and the most any of them grows, in pixels.
        std::vector<std::pair<double, double>> grown;
        double most = 0;
        for (const RectF& box : row) {
            const double scale = rowHeight / box.height;
            const auto [up, down] = roomAbout(box, all, parts.picture);
            const double wanted = rowExtra / scale;
            double above = std::min(up, wanted / 2);
            const double below = std::min(down, wanted - above);
            above = std::min(up, wanted - below);
            grown.emplace_back(above, below);
            most = std::max(most, (above + below) * scale);
        }
        double x = (width - width * share) / 2;
        for (std::size_t j = 0; j < row.size(); ++j) {
            const RectF& box = row[j];
            const double scale = rowHeight / box.height;
            const auto [above, below] = grown[j];
            const RectF shown{box.left, box.top - above, box.width, box.height + above + below};
            const double top = y + (most - (above + below) * scale) / 2;
            out.push_back(placed(shown, scale, x, top, Arrangement::kPicturePane));
            x += box.width * scale;
        }
        y += rowHeight + most;
    }
    return y;
}

// Moves the regions from `first` on down by `dy` CSS pixels.
void shiftDown(std::vector<Region>& regions, std::size_t first, double dy) {
    for (std::size_t i = first; i < regions.size(); ++i) {
        const PointF offset = regions[i].geometry.offset();
        regions[i].geometry.set(regions[i].geometry.pixelsPerTwip(), {offset.x, offset.y + dy});
    }
}

double lineWidth(const std::vector<RectF>& line) {
    double width = Arrangement::kControlGap * (static_cast<double>(line.size()) + 1);
    for (const RectF& box : line) width += box.width;
    return width;
}

double widestLine(const PhoneParts& parts) {
    double widest = 0;
    for (const auto& line : parts.controls) widest = std::max(widest, lineWidth(line));
    return widest;
}

// The lines of the controls' pane: the lessons' notes first, a note on a line of its own, then
// the controls' lines.
struct Lines {
    std::vector<std::vector<RectF>> lines;
    std::vector<RectF> notes;
    std::vector<RectF> labels;
    double widest = 0;  // the widest line of controls, in twips
    double notesWidth = 0;

    explicit Lines(const PhoneParts& parts)
        : notes(parts.notes),
          labels(parts.labels),
          widest(widestLine(parts)),
          notesWidth(Arrangement::notesWidth(parts)) {
        for (const RectF& note : parts.notes) lines.push_back({note});
        lines.insert(lines.end(), parts.controls.begin(), parts.controls.end());
    }
    // A box's scale: the controls', and a note's the one at which it is as wide as their lines.
    double scaleOf(const RectF& box, double scale) const {
        if (box.width > 0 && notesWidth > 0 &&
            std::find(notes.begin(), notes.end(), box) != notes.end())
            return scale * notesWidth / box.width;
        return scale;
    }
    // A line's height in CSS pixels: its tallest box, and never less than the box a finger's
    // target grows to, so that a grown control keeps clear of the lines about it.
    double heightOf(const std::vector<RectF>& line, double scale) const {
        double tallest = 0;
        for (const RectF& box : line) tallest = std::max(tallest, box.height * scaleOf(box, scale));
        return std::max(tallest, Arrangement::kFingerBox);
    }
    double height(double scale) const {
        double height = Arrangement::kLineGap * scale;
        for (const auto& line : lines)
            height += heightOf(line, scale) + Arrangement::kLineGap * scale;
        return height;
    }
};

// The lines from the top of the controls' pane at `scale`, each line's boxes left to right, each
// centred in its line's height; a label that ends a line takes the rest of it, up to the widest
// line's width, as its spare. Returns the height they use.
double placeLines(const Lines& all, double scale, std::vector<Region>& out) {
    double y = Arrangement::kLineGap * scale;
    for (const auto& line : all.lines) {
        const double height = all.heightOf(line, scale);
        double x = Arrangement::kControlGap * scale;
        for (const RectF& box : line) {
            const double boxScale = all.scaleOf(box, scale);
            out.push_back(placed(box, boxScale, x, y + (height - box.height * boxScale) / 2,
                                 Arrangement::kControlsPane));
            x += box.width * boxScale + Arrangement::kControlGap * scale;
        }
        if (!line.empty() &&
            std::find(all.labels.begin(), all.labels.end(), line.back()) != all.labels.end())
            out.back().spare = all.widest - lineWidth(line);
        y += height + Arrangement::kLineGap * scale;
    }
    return y;
}

// Where the Tools button goes among the lines of controls at `scale` in a pane `width` wide: the
// right end of the last line where it has room, else a line of its own below them (`extra`, the
// height that line adds).
struct Slot {
    RectF box;
    double extra = 0;
};
double toolsWidth(double caption, double scale) {
    return std::max(Arrangement::kToolsButton, caption * scale + 2 * Arrangement::kToolsPadding);
}

Slot toolsSlot(const Lines& all, double scale, double width, double caption) {
    const double size = Arrangement::kToolsButton;
    const double wide = toolsWidth(caption, scale);
    const double gap = Arrangement::kControlGap * scale;
    const double left = width - gap - wide;
    const double below = all.height(scale);
    if (!all.lines.empty()) {
        const double height = all.heightOf(all.lines.back(), scale);
        const double top = below - height - Arrangement::kLineGap * scale;
        const double right = (lineWidth(all.lines.back()) - Arrangement::kControlGap) * scale;
        if (left - gap >= right)
            return {{left, std::max(0.0, top + (height - size) / 2), wide, size}, 0};
    }
    return {{left, below, wide, size}, size + Arrangement::kLineGap * scale};
}

}  // namespace

double Arrangement::notesWidth(const PhoneParts& parts) {
    return std::max(0.0, widestLine(parts) - 2 * kControlGap);
}

double Arrangement::toolsFontPixels() const {
    return std::max(1.0, std::round(kToolsFontPoints * twips::kPerPoint * controlScale_));
}

Arrangement::Kind Arrangement::kindFor(double formWidth, double formHeight, double width,
                                       double height) {
    const double zoom = std::min(width / std::round(formWidth / twips::kPerPixel),
                                 height / std::round(formHeight / twips::kPerPixel));
    if (!(width > 0 && height > 0) || !(zoom < kFingerZoom))
        return Kind::Uniform;  // a large screen, or one that has no size yet
    return height >= width ? Kind::Upright : Kind::Sideways;
}

Arrangement Arrangement::of(double formWidth, double formHeight, double width, double height,
                            const PhoneParts& parts, double toolsCaption) {
    Arrangement a;
    a.width_ = width;
    a.height_ = height;
    a.kind_ = parts.empty() ? Kind::Uniform : kindFor(formWidth, formHeight, width, height);
    if (a.kind_ == Kind::Uniform) {
        Region whole;
        whole.twips = {0, 0, formWidth, formHeight};
        whole.geometry.fitForm(formWidth, formHeight, width, height);
        a.regions_.push_back(whole);
        a.panes_[kPicturePane] = {{0, 0, width, height}, height};
        a.panes_[kControlsPane] = {{0, height, width, 0}, 0};
        a.controlScale_ = whole.geometry.pixelsPerTwip();
        a.figures_ = 1;
        const double wide = toolsWidth(toolsCaption, a.controlScale_);
        a.tools_ = {width - 8 - wide, 8, wide, kToolsButton};
        return a;
    }

    const Lines lines(parts);
    const double widest = lines.widest;
    const double maxScale = kMaxControlZoom / twips::kPerPixel;
    std::vector<Region> controls;
    if (a.kind_ == Kind::Upright) {
        const double scale = widest > 0 ? std::min(maxScale, width / widest) : maxScale;
        const Slot tools = toolsSlot(lines, scale, width, toolsCaption);
        const double controlsHeight = lines.height(scale) + tools.extra;
        double natural = 0;
        for (const auto& row : parts.upright) natural += width / aspects(row);
        const double room = height - controlsHeight;
        std::vector<double> shares(parts.upright.size(), 1.0);
        double extra = 0;
        if (natural <= room) {
            extra = room - natural;
        } else if (!shares.empty()) {
            // The figures shrink to what the controls leave, but the first row to no less than
            // its share of the width: the rows below it shrink more, to no less than the least
            // share. Where they still do not fit, the controls scroll; while a keyboard leaves
            // little of the screen, the figures take at most three fifths of it.
            const double first = width / aspects(parts.upright.front());
            std::fill(shares.begin(), shares.end(), room / natural);
            if (room / natural < kMainFigureShare) {
                const double rest = natural - first;
                const double below =
                    rest > 0 ? std::max((room - first * kMainFigureShare) / rest, kLeastShare) : 1;
                std::fill(shares.begin(), shares.end(), below);
                shares.front() = kMainFigureShare;
            }
            double taken = 0;
            for (std::size_t r = 0; r < shares.size(); ++r)
                taken += width / aspects(parts.upright[r]) * shares[r];
            const double most = std::max(room, 0.6 * height);
            if (taken > most) {
                for (double& share : shares) share *= most / taken;
            }
        }
        const double used = placeFigures(parts.upright, parts, width, shares, extra, a.regions_);
        const double figures = std::min(std::max(used, room), height);
        // What the figures cannot take (a strip of a wave) is shared above and below them.
        shiftDown(a.regions_, 0, std::max(0.0, (figures - used) / 2));
        a.panes_[kPicturePane] = {{0, 0, width, figures}, figures};
        a.controlScale_ = scale;
        placeLines(lines, scale, controls);
        a.panes_[kControlsPane] = {{0, figures, width, height - figures}, controlsHeight};
        a.toolsPane_ = kControlsPane;
        a.tools_ = tools.box;
    } else {
        // The column at the least scale its text allows, the figures in the rest; where they
        // are held by the height rather than the width, the width they leave goes to the column,
        // up to its share of the screen.
        const double least = kMinControlZoom / twips::kPerPixel;
        const auto naturalAt = [&parts](double left) {
            double natural = 0;
            for (const auto& row : parts.sideways) natural += left / aspects(row);
            return natural;
        };
        double column = std::min(width, widest * least);
        const double natural = naturalAt(width - column);
        if (natural > height) {
            const double spare = (width - column) * (1 - height / natural);
            column = std::min(column + spare, std::max(column, kColumnShare * width));
        }
        const double scale = widest > 0 ? std::min(column / widest, maxScale) : maxScale;
        column = std::min(width, widest * scale);
        const double left = width - column;
        const double fitted = naturalAt(left);
        const double share = fitted > height ? height / fitted : 1;
        const double extra = fitted > height ? 0 : height - fitted;
        const std::size_t first = a.regions_.size();
        const double used =
            placeFigures(parts.sideways, parts, left,
                         std::vector<double>(parts.sideways.size(), share), extra, a.regions_);
        shiftDown(a.regions_, first, std::max(0.0, (height - used) / 2));
        a.panes_[kPicturePane] = {{0, 0, left, height}, height};
        a.controlScale_ = scale;
        const Slot tools = toolsSlot(lines, scale, column, toolsCaption);
        const double controlsHeight = placeLines(lines, scale, controls) + tools.extra;
        a.panes_[kControlsPane] = {{left, 0, column, height}, controlsHeight};
        a.toolsPane_ = kControlsPane;
        a.tools_ = tools.box;
    }
    a.figures_ = a.regions_.size();
    a.regions_.insert(a.regions_.end(), controls.begin(), controls.end());
    if (a.figures_ == 0) {
        // No figure to show: a region of nothing keeps regionOf() total.
        a.regions_.insert(a.regions_.begin(), placed({0, 0, 0, 0}, 1, 0, 0, kPicturePane));
        a.figures_ = 1;
    }
    return a;
}

const Region& Arrangement::regionOf(const RectF& box) const {
    for (std::size_t i = figures_; i < regions_.size(); ++i) {
        if (regions_[i].twips == box)
            return regions_[i];
    }
    const double x = box.left + box.width / 2;
    const double y = box.top + box.height / 2;
    for (std::size_t i = 0; i < figures_; ++i) {
        if (regions_[i].twips.contains(x, y))
            return regions_[i];
    }
    return regions_.front();
}

std::optional<PointF> Arrangement::toTwips(int pane, PointF point) const {
    if (kind_ == Kind::Uniform)
        return regions_.front().geometry.toTwips(point);
    for (const Region& region : regions_) {
        if (region.pane == pane && region.page().contains(point.x, point.y))
            return region.geometry.toTwips(point);
    }
    return std::nullopt;
}

PixelRect Arrangement::widgetRect(const RectF& box, bool tip) const {
    PixelRect rect = regionOf(box).geometry.toWidgetRect(box);
    if (kind_ == Kind::Uniform)
        return rect;
    const int smallest = static_cast<int>(tip ? kSmallestTip : kFingerBox);
    if (rect.width < smallest) {
        rect.left -= (smallest - rect.width) / 2;
        rect.width = smallest;
    }
    if (rect.height < smallest) {
        rect.top -= (smallest - rect.height) / 2;
        rect.height = smallest;
    }
    return rect;
}

void Arrangement::setDevicePixelRatio(double ratio) {
    for (Region& region : regions_) region.geometry.setDevicePixelRatio(ratio);
}

}  // namespace drawing
