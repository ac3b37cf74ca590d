#pragma once

#include <array>
#include <optional>
#include <vector>

#include "ui/drawing/pixel_rect.h"
#include "ui/drawing/view_geometry.h"
#include "ui/rect_f.h"

namespace drawing {

// What a small screen places on its own, every box in the form's twips.
struct PhoneParts {
    // The picture's figures in rows, as a screen held upright shows them and as one held sideways
    // does: a row's figures stand side by side at one height, the rows one above the other.
    std::vector<std::vector<RectF>> upright;
    std::vector<std::vector<RectF>> sideways;
    // A lesson tool's panels and words, which stand at the top of the controls, each on a line of
    // its own, as wide as their lines (notesWidth() at the controls' scale): a panel narrower
    // than that grows, so that its text is at least the controls' size; words set again in that
    // width are at the controls' scale.
    std::vector<RectF> notes;
    // The controls a finger uses, in lines: a line's boxes stand side by side, left to right, and
    // every line at the controls' one scale.
    std::vector<std::vector<RectF>> controls;
    // Which of the controls' boxes are labels: a label that ends a line shorter than the widest
    // may run its caption on over the rest of that line.
    std::vector<RectF> labels;
    // Where a figure may take more of the form above and below it, where the screen has room:
    // within this box, and clear of the other figures.
    RectF picture;
    bool empty() const { return upright.empty() && sideways.empty() && controls.empty(); }
    friend bool operator==(const PhoneParts&, const PhoneParts&) = default;
};

// One box of the form as it stands in the page: its box in twips, the pane it stands in and the
// mapping of those twips into the pane's CSS pixels.
struct Region {
    RectF twips;
    int pane = 0;
    ViewGeometry geometry;
    // Twips to the right of a label's box, the rest of its line, where its caption may run on:
    // alone, the box would fit it smaller than the other texts of the controls.
    double spare = 0;

    // Its box with that room.
    RectF shown() const { return {twips.left, twips.top, twips.width + spare, twips.height}; }

    // Where it stands in its pane's content, in CSS pixels.
    RectF page() const { return geometry.toPixels(twips); }
    friend bool operator==(const Region& a, const Region& b) {
        return a.twips == b.twips && a.pane == b.pane && a.spare == b.spare &&
               a.geometry.pixelsPerTwip() == b.geometry.pixelsPerTwip() &&
               a.geometry.offset() == b.geometry.offset();
    }
};

// A part of the page that shows regions: where it stands in the page (CSS pixels) and how tall
// its content is, which scrolls inside it where it is taller.
struct Pane {
    RectF place;
    double contentHeight = 0;
    bool scrolls() const { return contentHeight > place.height + 0.5; }
    friend bool operator==(const Pane&, const Pane&) = default;
};

// Where the form stands in a page of a given size. On a large screen the whole form is one
// region, scaled uniformly to fit and centred, as on the desktop. Where that scale would make a
// list less than 26 CSS pixels high (24 inside its border: a phone), the page shows the
// demonstration's figures in one pane and the controls in lines in another: held upright, the
// figures at the full width above the controls, which sit at the bottom of the screen; turned
// sideways, the figures at the left at the full height and the controls in a column beside
// them. Every control shares one scale, the largest at which the widest line fits; the figures
// use the height the controls leave, and where everything does not fit, the figures stay on
// screen while the controls' pane scrolls.
class Arrangement {
public:
    enum class Kind { Uniform, Upright, Sideways };
    static constexpr int kPicturePane = 0;
    static constexpr int kControlsPane = 1;

    // The smallest target a finger needs, in CSS pixels, and a control's box on a small screen,
    // the target and the one-pixel border around it; the zoom (against the design size) at which
    // the form's lists, 480 twips (32 design pixels) high, reach that box.
    static constexpr double kFingerTarget = 24;
    static constexpr double kFingerBox = kFingerTarget + 2;
    static constexpr double kFingerZoom = kFingerBox / 32;
    // A phasor tip is drawn at least this many CSS pixels across on a small screen.
    static constexpr double kSmallestTip = 16;
    // Upright, the first row of figures keeps at least this share of the width when the figures
    // must shrink to leave the controls room.
    static constexpr double kMainFigureShare = 0.85;
    // The page's Tools button, in CSS pixels: a finger's target on a phone, beside the controls,
    // and wider where its caption, at a button's size of text, needs it.
    static constexpr double kToolsButton = 48;
    static constexpr double kToolsPadding = 10;
    static constexpr double kToolsFontPoints = 18;
    // Twips between the controls of a line, between lines, and round the controls' pane.
    static constexpr double kControlGap = 120;
    static constexpr double kLineGap = 75;

    // The rule that picks the arrangement: uniform where the form fits at kFingerZoom or more,
    // else upright on a screen at least as tall as wide, sideways on a wider one.
    static Kind kindFor(double formWidth, double formHeight, double width, double height);

    // The form of `formWidth` x `formHeight` twips in a page of `width` x `height` CSS pixels.
    // Without parts, uniform. `toolsCaption` is the Tools button's caption's width in twips at
    // kToolsFontPoints.
    static Arrangement of(double formWidth, double formHeight, double width, double height,
                          const PhoneParts& parts, double toolsCaption = 0);

    Kind kind() const { return kind_; }
    // The regions: the figures first (the whole form, alone, for the uniform arrangement), then
    // the controls' boxes in their lines' order.
    const std::vector<Region>& regions() const { return regions_; }
    const std::array<Pane, 2>& panes() const { return panes_; }
    double width() const { return width_; }
    double height() const { return height_; }
    // CSS pixels per twip of every control on a small screen; the form's on a large one.
    double controlScale() const { return controlScale_; }

    // The region that shows a box: a control's own where it has one, else the figure that holds
    // its centre; the first figure where none does.
    const Region& regionOf(const RectF& box) const;
    // The twips under a point of a pane's content, through the region there; nothing in a gap
    // between regions or outside them.
    std::optional<PointF> toTwips(int pane, PointF point) const;
    // The box of a windowed control in its pane's content; on a small screen never below
    // kFingerBox in either direction, or for a phasor tip (`tip`) below kSmallestTip, grown about
    // its centre.
    PixelRect widgetRect(const RectF& box, bool tip = false) const;
    // Where the page's Tools button stands, and in which pane: on a large screen at the page's
    // top right corner, outside the window where the page has a margin there; on a small screen
    // at the right end of the controls' last line where it has room, else on a line of its own.
    int toolsPane() const { return toolsPane_; }
    const RectF& toolsButton() const { return tools_; }
    // The Tools button's caption size, in CSS pixels: a button's text at the controls' scale.
    double toolsFontPixels() const;
    // The width, in twips, that a note takes at the controls' scale: the widest line of controls
    // without the gaps at its ends. A lesson's words set in this width keep the controls' size.
    static double notesWidth(const PhoneParts& parts);

    void setDevicePixelRatio(double ratio);
    friend bool operator==(const Arrangement&, const Arrangement&) = default;

private:
    Kind kind_ = Kind::Uniform;
    std::vector<Region> regions_;
    std::array<Pane, 2> panes_;
    double width_ = 0;
    double height_ = 0;
    double controlScale_ = 0;
    std::size_t figures_ = 0;  // how many of the regions are figures
    int toolsPane_ = kPicturePane;
    RectF tools_;
};

}  // namespace drawing
