#include "ui/drawing/form_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "ui/control_array.h"

namespace {

using drawing::Primitive;

// A trace of three segments, a shape and a label, at their design places.
class DrawingForm : public Form {
public:
    DrawingForm() {
        setClientSize(6000, 3000);
        trace[0].setPoints(0, 1000, 1000, 1200);
        trace[1].setPoints(1000, 1200, 2000, 1000);
        trace[2].setPoints(2000, 1000, 3000, 1100);
        shape.setGeometry(1500, 1500, 600, 300);
        label.setGeometry(3000, 0, 900, 480);
        label.setCaption("Wavelength");
        addPainted(trace);
        addPainted(shape);
        addPainted(label);
    }
    ControlArray<Line, 3> trace;
    Shape shape;
    Label label;
};

// Text as wide as half its pixel size for every character; counts the measurements.
class HalfEmMeasurer : public drawing::TextMeasurer {
public:
    double textWidth(std::string_view text, int pixelSize) const override {
        ++calls;
        return 0.5 * pixelSize * static_cast<double>(text.size());
    }
    mutable int calls = 0;
};

struct Drawing {
    explicit Drawing(double pixelsPerTwip = 1.0 / 15, double devicePixelRatio = 1) {
        geometry.set(pixelsPerTwip, {0, 0});
        geometry.setDevicePixelRatio(devicePixelRatio);
    }
    std::vector<Primitive> draw(const Form& form, const RectF& region = {0, 0, 6000, 3000},
                                const drawing::LessonLayer& options = {}) {
        std::vector<Primitive> out;
        drawing::drawForm(form, region, geometry, fitter, face, out, options);
        return out;
    }
    drawing::ViewGeometry geometry;
    HalfEmMeasurer measurer;
    drawing::TextFitter fitter{measurer};
    drawing::Rgba face{240, 240, 240, 255};
};

template <class T>
std::vector<T> only(const std::vector<Primitive>& items) {
    std::vector<T> found;
    for (const Primitive& item : items) {
        if (const T* p = std::get_if<T>(&item)) {
            found.push_back(*p);
        }
    }
    return found;
}

TEST(FormDrawing, WideTraceSharesOneDiscAtEachJointOfOneColour) {
    DrawingForm form;
    form.shape.setVisible(false);
    form.label.setVisible(false);
    for (Line& line : form.trace) line.setBorderWidth(2);
    form.trace[2].setBorderColour(colours::kBlue);
    const auto items = Drawing().draw(form);

    // Line 0 with both end discs, line 1 with its end disc only, line 2 (another colour) with
    // both again: its start is a joint with a line of another colour.
    std::string kinds;  // L for a line, D for a disc
    for (const Primitive& item : items)
        kinds += std::holds_alternative<drawing::Line>(item) ? 'L' : 'D';
    EXPECT_EQ(kinds, "LDDLDLDD");
    const auto discs = only<drawing::Disc>(items);
    ASSERT_EQ(discs.size(), 5u);
    EXPECT_EQ(discs[1].centre, (PointF{1000, 1200}));
    EXPECT_EQ(discs[2].centre, (PointF{2000, 1000}));
    EXPECT_EQ(discs[3].centre, (PointF{2000, 1000}));
    EXPECT_EQ(discs[3].colour, drawing::Rgba::from(colours::kBlue));
    EXPECT_DOUBLE_EQ(discs[0].radius, 15);
}

// Lines an odd number of device pixels wide lie on pixel centres; dotted lines stay dotted only
// at one pixel, and never get end discs.
struct LineCase {
    const char* name;
    int width;
    bool dotted;
    double pixelsPerTwip;
    double devicePixelRatio;
    bool drawnDotted;
    double shiftTwips;
    size_t discs;
};
void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name << ": width " << c.width << (c.dotted ? " dotted" : "") << " at "
        << c.pixelsPerTwip * 15 << " x " << c.devicePixelRatio;
}

class LineRules : public testing::TestWithParam<LineCase> {};

TEST_P(LineRules, ShiftDottedAndEndDiscsFollowTheDevicePixels) {
    const LineCase& c = GetParam();
    DrawingForm form;
    for (Control* other : std::initializer_list<Control*>{&form.trace[1], &form.trace[2],
                                                          &form.shape, &form.label}) {
        other->setVisible(false);
    }
    form.trace[0].setBorderWidth(c.width);
    form.trace[0].setDotted(c.dotted);
    const auto items = Drawing(c.pixelsPerTwip, c.devicePixelRatio).draw(form);
    const auto lines = only<drawing::Line>(items);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].dotted, c.drawnDotted);
    EXPECT_DOUBLE_EQ(lines[0].from.x, c.shiftTwips);
    EXPECT_DOUBLE_EQ(lines[0].to.y, 1200 + c.shiftTwips);
    EXPECT_DOUBLE_EQ(lines[0].width, c.width * 15.0);
    EXPECT_EQ(only<drawing::Disc>(items).size(), c.discs);
}

INSTANTIATE_TEST_SUITE_P(
    FormDrawing, LineRules,
    testing::Values(LineCase{"DottedOnePixel", 1, true, 1.0 / 15, 1, true, 7.5, 0},
                    LineCase{"DottedOnTwoDevicePixels", 1, true, 1.0 / 15, 2, true, 0, 0},
                    LineCase{"DottedTwoPixelsIsSolid", 2, true, 1.0 / 15, 1, false, 0, 2},
                    LineCase{"ThreePixelsCentred", 3, false, 1.0 / 15, 1, false, 7.5, 2},
                    LineCase{"OnePixelInADoubledWindow", 1, false, 2.0 / 15, 1, false, 0, 2}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(FormDrawing, ShapeBorderLiesInsideTheBoxAtScaleTwo) {
    DrawingForm form;
    Drawing drawing(2.0 / 15);
    const double pixel = 7.5;  // twips in a logical pixel at this scale
    auto rectangles = only<drawing::Rectangle>(drawing.draw(form));
    ASSERT_EQ(rectangles.size(), 1u);
    const RectF box = rectangles[0].box;
    EXPECT_DOUBLE_EQ(rectangles[0].borderWidth, pixel);
    // The stroke is centred on the edge: its outer side is the control's box.
    EXPECT_DOUBLE_EQ(box.left - pixel / 2, 1500);
    EXPECT_DOUBLE_EQ(box.top - pixel / 2, 1500);
    EXPECT_DOUBLE_EQ(box.right() + pixel / 2, 2100);
    EXPECT_DOUBLE_EQ(box.bottom() + pixel / 2, 1800);

    // A circle fits the centred square of the shorter side.
    form.shape.setKind(Shape::Kind::Circle);
    const auto ellipses = only<drawing::Ellipse>(drawing.draw(form));
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_DOUBLE_EQ(ellipses[0].box.left - pixel / 2, 1650);
    EXPECT_DOUBLE_EQ(ellipses[0].box.width + pixel, 300);

    // A box of no height still shows its border, one pixel high.
    form.shape.setKind(Shape::Kind::Rectangle);
    form.shape.setHeight(0);
    rectangles = only<drawing::Rectangle>(drawing.draw(form));
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_DOUBLE_EQ(rectangles[0].box.height, 0);
    EXPECT_DOUBLE_EQ(rectangles[0].box.top, 1500 + pixel / 2);
}

TEST(FormDrawing, LabelCaptionGetsTheLargestSizeThatFitsItsBoxOnce) {
    DrawingForm form;
    Drawing drawing;
    // 900 twips are 60 pixels: ten characters half a size wide fit at 12 pixels, not at 13.
    auto texts = only<drawing::Text>(drawing.draw(form));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].pixelSize, 12);
    EXPECT_EQ(texts[0].text, "Wavelength");
    EXPECT_EQ(texts[0].box, form.label.box());
    EXPECT_EQ(texts[0].background, drawing.face);
    const int measured = drawing.measurer.calls;
    EXPECT_EQ(only<drawing::Text>(drawing.draw(form))[0].pixelSize, 12);
    EXPECT_EQ(drawing.measurer.calls, measured) << "a caption is fitted once per box";

    // A short caption keeps the size its points give (18 points, 24 pixels at 1:1).
    form.label.setCaption("Two");
    EXPECT_EQ(only<drawing::Text>(drawing.draw(form))[0].pixelSize, 24);
    // Unless it may also show a longer one while the picture runs: then it has that one's size.
    form.label.setCaptionsShown({"Two", "Wavelength"});
    EXPECT_EQ(only<drawing::Text>(drawing.draw(form))[0].pixelSize, 12);
    // A box too narrow for anything gets the smallest size.
    EXPECT_EQ(drawing.fitter.fit("Two", 0, 24), 1);

    // Numbers that change with every frame do not pile up answers without end: after some
    // thousands of texts the first is measured again, and fits as before.
    std::vector<std::string> lines;
    EXPECT_EQ(drawing.fitter.fitLines("0 frames", 60, 24, 2, lines), 20);
    const int first = drawing.measurer.calls;
    drawing.fitter.fitLines("0 frames", 60, 24, 2, lines);
    EXPECT_EQ(drawing.measurer.calls, first);
    for (int frame = 1; frame < 5000; ++frame)
        drawing.fitter.fitLines(std::to_string(frame) + " frames", 60, 24, 2, lines);
    const int later = drawing.measurer.calls;
    EXPECT_EQ(drawing.fitter.fitLines("0 frames", 60, 24, 2, lines), 20);
    EXPECT_GT(drawing.measurer.calls, later);
}

// Widths that are not in proportion to the size (whole pixels, a fixed side bearing, a face that
// grows wider at small sizes, as hinting makes it): the fitter still finds the largest size that
// fits, as trying every size down from the largest would, in a few measurements.
class HintedMeasurer : public drawing::TextMeasurer {
public:
    double textWidth(std::string_view text, int pixelSize) const override {
        ++calls;
        const double perCharacter = 0.5 * pixelSize + (pixelSize < 12 ? 1 : 0);
        return std::ceil(perCharacter * static_cast<double>(text.size())) + 3;
    }
    mutable int calls = 0;
};

TEST(FormDrawing, CaptionFittingFindsTheLargestSizeThatFitsInAFewMeasurements) {
    HintedMeasurer measurer;
    for (const std::string text : {"W", "Wavelength", "Phase velocity and group velocity"}) {
        for (int maxPixels : {1, 2, 12, 24, 40}) {
            for (int width = 0; width <= 400; width += 7) {
                int expected = 1;
                for (int pixels = maxPixels; pixels > 1; --pixels) {
                    if (measurer.textWidth(text, pixels) <= width) {
                        expected = pixels;
                        break;
                    }
                }
                drawing::TextFitter fitter(measurer);
                measurer.calls = 0;
                EXPECT_EQ(fitter.fit(text, {}, width, maxPixels), expected)
                    << text << " in " << width << " px from " << maxPixels;
                EXPECT_LE(measurer.calls, 10) << text << " in " << width << " px";
            }
        }
    }
    // A box narrower than nothing gets the smallest size, an empty text (no width at all) too.
    HalfEmMeasurer noBearing;
    drawing::TextFitter fitter(noBearing);
    EXPECT_EQ(fitter.fit("", {}, -15, 24), 1);
    EXPECT_EQ(fitter.fit("W", {}, -15, 24), 1);
}

}  // namespace

// The theory curve: one logical pixel wide, last in the list (above the bars), and never outside
// its area, however far above the tallest bar a point lies.
TEST(FormDrawing, CurveIsAThinPathOnTopClippedToItsArea) {
    DrawingForm form;
    Drawing drawing;
    drawing::LessonLayer options;
    options.curveArea = {1000, 500, 2000, 1000};  // 1000..3000 by 500..1500
    options.curveColour = {255, 0, 0, 255};
    // In, far above the area (out of it), back in, and out of the bottom right.
    options.curve = {{1200, 1400}, {1600, 1000}, {2000, -500}, {2400, 1000}, {3400, 1800}};
    const std::vector<Primitive> list = drawing.draw(form, {0, 0, 6000, 3000}, options);
    const auto paths = only<drawing::Path>(list);
    ASSERT_EQ(paths.size(), 2u);
    ASSERT_TRUE(std::holds_alternative<drawing::Path>(list.back()));
    for (const drawing::Path& path : paths) {
        EXPECT_DOUBLE_EQ(path.width, 15);
        EXPECT_EQ(path.colour, options.curveColour);
        for (const drawing::PathElement& e : path.elements) {
            EXPECT_GE(e.point.x, 1000);
            EXPECT_LE(e.point.x, 3000);
            EXPECT_GE(e.point.y, 500);
            EXPECT_LE(e.point.y, 1500);
        }
    }
    // The first run leaves through the top edge where the segment (1600,1000)-(2000,-500) meets
    // y = 500: a third of the way along; the second ends on the right edge at x = 3000.
    ASSERT_EQ(paths[0].elements.size(), 3u);
    EXPECT_NEAR(paths[0].elements[2].point.x, 1600 + 400.0 / 3, 1e-9);
    EXPECT_NEAR(paths[0].elements[2].point.y, 500, 1e-9);
    EXPECT_NEAR(paths[1].elements.back().point.x, 3000, 1e-9);
    EXPECT_NEAR(paths[1].elements.back().point.y, 1000 + 800 * 0.6, 1e-9);

    // Outside the repainted region, and with no points, nothing is added.
    EXPECT_TRUE(only<drawing::Path>(drawing.draw(form, {4000, 2000, 100, 100}, options)).empty());
    options.curve.clear();
    EXPECT_EQ(drawing.draw(form, {0, 0, 6000, 3000}, options).size(), drawing.draw(form).size());
}

// A projector's picture: thin lines and borders twice as wide, the wide trace as it was, dotted
// lines still dotted, a white label background, the colours the form's own.
TEST(FormDrawing, ProjectorWidensThinStrokesAndWhitensTheBackground) {
    DrawingForm form;
    form.trace[0].setBorderWidth(3);
    form.trace[1].setDotted(true);
    Drawing drawing;
    drawing::LessonLayer projector;
    projector.projector = true;
    const std::vector<Primitive> list = drawing.draw(form, {0, 0, 6000, 3000}, projector);
    const auto lines = only<drawing::Line>(list);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].width, 45);
    EXPECT_DOUBLE_EQ(lines[1].width, 30);
    EXPECT_TRUE(lines[1].dotted);
    EXPECT_DOUBLE_EQ(lines[2].width, 30);
    const auto plain = only<drawing::Line>(drawing.draw(form));
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].colour, plain[i].colour);

    const auto rectangles = only<drawing::Rectangle>(list);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_DOUBLE_EQ(rectangles[0].borderWidth, 30);
    EXPECT_DOUBLE_EQ(rectangles[0].box.left - 15, 1500);  // the wider border still inside
    EXPECT_DOUBLE_EQ(rectangles[0].box.right() + 15, 2100);

    const auto texts = only<drawing::Text>(list);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].background, (drawing::Rgba{255, 255, 255, 255})) << "white";
    EXPECT_EQ(drawing::windowBackground(projector, drawing.face),
              (drawing::Rgba{255, 255, 255, 255}));
    EXPECT_EQ(drawing::windowBackground({}, drawing.face), drawing.face);
}

// A view repaints the curve's area when the curve moves or goes, and everything when the projector
// flag changes; nothing when the tools' picture stays as it was.
TEST(FormDrawing, ChangedOptionsRepaintTheCurveAreaOrEverything) {
    const RectF client{0, 0, 6000, 3000};
    drawing::LessonLayer before;
    drawing::LessonLayer after;
    EXPECT_TRUE(drawing::changedArea(before, after, client).isEmpty());
    after.curve = {{1200, 1400}, {1600, 1000}};
    after.curveArea = {1000, 500, 2000, 1000};
    EXPECT_EQ(drawing::changedArea(before, after, client), after.curveArea);
    EXPECT_EQ(drawing::changedArea(after, before, client), after.curveArea);
    before = after;
    after.curve[1].y = 900;
    EXPECT_EQ(drawing::changedArea(before, after, client), after.curveArea);
    after.projector = true;
    EXPECT_EQ(drawing::changedArea(before, after, client), client);
}
