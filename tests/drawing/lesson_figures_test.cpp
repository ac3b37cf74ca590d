#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/lesson_layer.h"
#include "ui/drawing/form_drawing.h"
#include "ui/drawing/reflow.h"

namespace {

constexpr double kPi = 3.1415926;

// The polarisation ellipse is the curve of the two components, whatever they are: every point of
// the drawn curve satisfies the implicit equation of the ellipse that a horizontal component of
// amplitude a and a vertical one of amplitude b, b's phase delta ahead, trace:
// (x/a)^2 + (y/b)^2 - 2 (x/a)(y/b) cos delta = sin^2 delta, about the axes' crossing (y downwards,
// as the vertical component points). And there are enough points, evenly round, for a smooth
// curve: no step turns by more than a few degrees.
TEST(LessonFigures, EllipseCurveLiesOnTheEllipseOfTheComponentsAndIsSmooth) {
    const struct {
        int phase, amp1, amp2;
    } cases[] = {{45, 50, 50}, {90, 50, 50}, {-90, 30, 80}, {135, 100, 20}, {10, 50, 70}};
    for (const auto& c : cases) {
        Form1 form;
        form.load();
        form.cmbDemo.setText("Polarisation");
        form.cmbTwo.setText("Vertical");
        form.hscPhase.setValue(c.phase);
        form.hscAmp1.setValue(c.amp1);
        form.hscAmp2.setValue(c.amp2);
        for (int i = 0; i < 7; ++i) form.tmrOne.tick();
        form.lesson.setEllipse(true);
        const drawing::LessonLayer layer = lessonLayer(form);
        ASSERT_FALSE(layer.overlays.empty());
        ASSERT_FALSE(layer.overlays[0].lines.empty());
        const drawing::Overlay::Polyline& curve = layer.overlays[0].lines[0];
        EXPECT_TRUE(curve.closed);
        EXPECT_GE(curve.points.size(), 96u) << "phase " << c.phase;
        const double a = 1800.0 * c.amp1 / 50;
        const double b = 1800.0 * c.amp2 / 50;
        const double delta = c.phase * kPi / 180;
        for (const PointF& p : curve.points) {
            const double u = (p.x - 3540) / a;
            const double v = (p.y - 3600) / b;
            EXPECT_NEAR(u * u + v * v - 2 * u * v * std::cos(delta),
                        std::sin(delta) * std::sin(delta), 1e-6)
                << "phase " << c.phase << " at (" << p.x << ", " << p.y << ")";
        }
        // Smooth: the middle of every chord lies within a third of a pixel (at the design size)
        // of the ellipse, measured along the ray from the centre.
        const std::size_t n = curve.points.size();
        for (std::size_t i = 0; i < n; ++i) {
            const PointF& p0 = curve.points[i];
            const PointF& p1 = curve.points[(i + 1) % n];
            const double mx = (p0.x + p1.x) / 2 - 3540;
            const double my = (p0.y + p1.y) / 2 - 3600;
            const double u = mx / a;
            const double v = my / b;
            const double q = u * u + v * v - 2 * u * v * std::cos(delta);
            const double onEllipse = std::sqrt(std::sin(delta) * std::sin(delta) / q);
            EXPECT_LT((onEllipse - 1) * std::hypot(mx, my), 5)
                << "phase " << c.phase << " at " << i;
        }
        // The tip's last cycle stays as dots on the curve, the newest where the sum's circle is.
        const auto& dots = layer.overlays[0].dots;
        ASSERT_EQ(dots.size(), 24u);
        const Shape& sum = form.Shape1[2];
        EXPECT_NEAR(dots.back().centre.x, sum.left() + sum.width() / 2.0, 0.01);
        EXPECT_NEAR(dots.back().centre.y, sum.top() + sum.height() / 2.0, 0.01);
    }
}

// The fading record's chart: its labels centred on their gridlines at 10 dB steps, the scale's
// top (+5 dB) at the chart's top and -30 dB at its bottom, and the trace of one ray, whose
// envelope is its rms every frame, along the 0 dB line; of ten rays, every frame at its level in
// dB, the deep fades kept at the scale's bottom.
TEST(LessonFigures, RecordScaleLabelsAndTraceStandAtTheirDecibels) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(3);  // "Rayleigh", one ray
    form.lesson.setFadingRecord(true);
    for (int i = 0; i < 40; ++i) form.tmrOne.tick();
    const auto chartOf = [](const drawing::Overlay& panel) {
        // The frame is the closed line: its corners give the chart.
        for (const drawing::Overlay::Polyline& line : panel.lines) {
            if (line.closed) {
                double top = 1e9, bottom = -1e9, left = 1e9, right = -1e9;
                for (const PointF& p : line.points) {
                    top = std::min(top, p.y);
                    bottom = std::max(bottom, p.y);
                    left = std::min(left, p.x);
                    right = std::max(right, p.x);
                }
                return RectF{left, top, right - left, bottom - top};
            }
        }
        ADD_FAILURE() << "no frame";
        return RectF{};
    };
    const auto heightOf = [](const RectF& chart, double decibels) {
        return chart.top + (5 - decibels) / 35 * chart.height;
    };
    drawing::LessonLayer layer = lessonLayer(form);
    ASSERT_EQ(layer.overlays.size(), 2u) << "the chart and its numbers";
    const drawing::Overlay& panel = layer.overlays[0];
    const RectF chart = chartOf(panel);
    // The chart from the panel's top down to the row of the frames' labels.
    EXPECT_LE(chart.top - panel.area.top, 60);
    EXPECT_LE(panel.area.bottom() - chart.bottom(), 480);
    std::map<std::string, double> labels;
    for (const auto& caption : panel.captions)
        labels[caption.text] = caption.box.top + caption.box.height / 2;
    const std::map<std::string, double> expected = {
        {"0 dB", 0}, {"-10", -10}, {"-20", -20}, {"-30", -30}};
    for (const auto& [text, decibels] : expected) {
        ASSERT_EQ(labels.count(text), 1u) << text;
        EXPECT_NEAR(labels[text], heightOf(chart, decibels), 1e-9) << text;
    }
    EXPECT_EQ(labels.count("frames"), 1u) << "the time axis's unit";
    for (const auto& caption : panel.captions) {
        EXPECT_GE(caption.box.top, panel.area.top) << caption.text;
        EXPECT_LE(caption.box.bottom(), panel.area.bottom()) << caption.text;
    }
    // The threshold, dotted, at -10 dB; the trace, blue and one point a frame, on the 0 dB line.
    const auto dotted = std::find_if(panel.lines.begin(), panel.lines.end(),
                                     [](const auto& line) { return line.dotted; });
    ASSERT_NE(dotted, panel.lines.end());
    EXPECT_NEAR(dotted->points.front().y, heightOf(chart, -10), 1e-9);
    const auto traceOf = [](const drawing::Overlay& chartPanel) {
        for (const drawing::Overlay::Polyline& line : chartPanel.lines) {
            if (line.points.size() > 5 && !line.closed)
                return line.points;
        }
        return std::vector<PointF>{};
    };
    const std::vector<PointF> flat = traceOf(panel);
    ASSERT_EQ(flat.size(), 40u);
    for (const PointF& p : flat)
        EXPECT_NEAR(p.y, heightOf(chart, 0), 1) << "joints are whole twips";
    EXPECT_NEAR(flat.back().x, chart.right(), 1e-9) << "the newest frame at the right edge";

    // Ten rays: each frame at 20 log10(envelope / rms) dB, within the scale.
    form.cmbOne.pick(4);  // "Ten"
    form.hscRate.setValue(20);
    for (int i = 0; i < 600; ++i) form.tmrOne.tick();
    layer = lessonLayer(form);
    const std::vector<PointF> trace = traceOf(layer.overlays[0]);
    const fading_record::Record& record = form.lesson.record();
    const std::vector<double> shown = record.shown();
    ASSERT_EQ(trace.size(), shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double decibels = 20 * std::log10(shown[i] / record.rms());
        EXPECT_NEAR(trace[i].y, heightOf(chart, std::clamp(decibels, -30.0, 5.0)), 1e-6) << i;
    }
    EXPECT_GT(trace.size(), 250u);
}

// Text as wide as half its pixel size for every character.
class HalfEmMeasurer : public drawing::TextMeasurer {
public:
    double textWidth(std::string_view text, int pixelSize) const override {
        return 0.5 * pixelSize * static_cast<double>(text.size());
    }
};

// The pixel sizes of the texts a drawing of the form has: the labels' (on the button face) and
// the lesson tools' (on nothing).
struct TextSizes {
    int smallestTool = 1000;
    std::string smallest;  // the tools' text at that size
    int label = 0;
};

TextSizes textSizes(const Form1& form, const drawing::ViewGeometry& geometry, const RectF& region) {
    HalfEmMeasurer measurer;
    drawing::TextFitter fitter(measurer);
    std::vector<drawing::Primitive> out;
    const drawing::Rgba face{240, 240, 240, 255};
    drawing::drawForm(form, region, geometry, fitter, face, out, lessonLayer(form));
    TextSizes sizes;
    for (const drawing::Primitive& item : out) {
        const auto* text = std::get_if<drawing::Text>(&item);
        if (text == nullptr)
            continue;
        if (text->background.alpha == 0) {
            if (text->pixelSize < sizes.smallestTool)
                sizes.smallest = text->text;
            sizes.smallestTool = std::min(sizes.smallestTool, text->pixelSize);
        } else if (text->box == form.lblOne.box()) {
            sizes.label = text->pixelSize;
        }
    }
    return sizes;
}

// Every lesson tool writes at least as large as the option rows' captions, on the desktop at its
// design size and twice that.
TEST(LessonFigures, ToolCaptionsAreAtLeastTheOptionCaptionsSize) {
    const struct {
        int demo;
        const char* name;
    } demos[] = {{1, "Polarisation"}, {3, "Rayleigh"}, {4, "Ricean"}, {5, "Phasors"}};
    for (const auto& d : demos) {
        Form1 form;
        form.load();
        form.cmbDemo.pick(d.demo);
        form.lesson.setEllipse(true);
        form.lesson.setFadingRecord(true);
        form.lesson.setPhasorNumbers(true);
        for (int i = 0; i < 30; ++i) form.tmrOne.tick();
        const RectF client{0, 0, form.clientWidth(), form.clientHeight()};
        // The option rows' caption, as "Polarisation" and the fading demonstrations show it.
        Form1 options;
        options.load();
        options.cmbDemo.pick(d.demo == 5 ? 1 : d.demo);
        for (const double zoom : {1.0, 2.0}) {
            drawing::ViewGeometry geometry;
            geometry.set(zoom / 15, {0, 0});
            const TextSizes tools = textSizes(form, geometry, client);
            const TextSizes label = textSizes(options, geometry, client);
            ASSERT_GT(label.label, 0) << d.name;
            EXPECT_GE(tools.smallestTool, label.label)
                << d.name << " at zoom " << zoom << ": " << tools.smallest;
        }
    }
}

// On a phone the phasors' numbers, wider than the controls' lines, are set again in a narrower
// column at the controls' scale: every caption at its own full size, broken into lines that fit,
// the rows one below the other, and each key beside the first line of its own caption.
TEST(LessonFigures, WordsSetAgainInANarrowColumnKeepTheirSizeAndTheirKeys) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(5);  // "Phasors"
    form.lesson.setPhasorNumbers(true);
    const drawing::LessonLayer layer = lessonLayer(form);
    ASSERT_EQ(layer.overlays.size(), 1u);
    const drawing::Overlay& words = layer.overlays[0];
    HalfEmMeasurer measurer;
    drawing::TextFitter fitter(measurer);
    const double scale = 0.07;  // 18 points are 25 pixels
    const double width = 3000;  // twips: 210 pixels, narrower than any caption's text
    const drawing::Overlay set = drawing::reflowed(words, {0, 20000}, width, scale, fitter);
    ASSERT_EQ(set.captions.size(), words.captions.size());
    EXPECT_EQ(set.lines.size(), words.lines.size());
    drawing::ViewGeometry geometry;
    geometry.set(scale, {0, 0});
    std::vector<drawing::Primitive> out;
    drawing::LessonLayer shown;
    shown.overlays = {set};
    drawing::drawForm(Form1(), {-1e9, -1e9, 2e9, 2e9}, geometry, fitter, {240, 240, 240, 255}, out,
                      shown);
    std::vector<const drawing::Text*> texts;
    for (const drawing::Primitive& item : out) {
        if (const auto* text = std::get_if<drawing::Text>(&item); text && text->box.top >= 20000)
            texts.push_back(text);
    }
    std::string joined;
    for (const drawing::Text* text : texts) {
        EXPECT_EQ(text->pixelSize, 25) << text->text;
        EXPECT_LE(measurer.textWidth(text->text, 25), std::floor(text->box.width * scale) + 1e-9)
            << text->text;
        EXPECT_TRUE(set.area.contains(text->box.left, text->box.top)) << text->text;
        (joined += text->text) += ' ';
    }
    EXPECT_GT(texts.size(), words.captions.size()) << "some caption breaks";
    for (std::size_t i = 0; i < set.captions.size(); ++i) {
        const drawing::Overlay::Caption& caption = set.captions[i];
        EXPECT_NE(joined.find(words.captions[i].text.substr(0, 8)), std::string::npos);
        if (i > 0) {
            EXPECT_GE(caption.box.top, set.captions[i - 1].box.bottom() - 1e-9);
        }
        const double key = set.lines[i].points.front().y;
        EXPECT_GE(key, caption.box.top) << i;
        EXPECT_LE(key, caption.box.top + caption.box.height / caption.lines) << i;
        EXPECT_LE(caption.box.right(), set.area.right() + 1e-9);
    }
    EXPECT_LE(set.area.width, width);
}

}  // namespace
