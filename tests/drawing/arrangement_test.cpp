#include "ui/drawing/arrangement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "app/form1.h"
#include "app/form_parts.h"

namespace {

using drawing::Arrangement;
using Kind = Arrangement::Kind;

// The rule is the uniform zoom against kFingerZoom, then the screen's shape.
TEST(ArrangementKind, UniformWhereTheFormFitsAtAFingersZoomElseByTheScreensShape) {
    const struct {
        double width, height;
        Kind kind;
    } cases[] = {
        {789, 605, Kind::Uniform},   {1280, 800, Kind::Uniform}, {1180, 820, Kind::Uniform},
        {1920, 1080, Kind::Uniform}, {642, 492, Kind::Uniform},  {0, 0, Kind::Uniform},
        {390, 844, Kind::Upright},   {360, 640, Kind::Upright},  {591, 600, Kind::Upright},
        {844, 390, Kind::Sideways},  {700, 450, Kind::Sideways}, {640, 480, Kind::Sideways},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Arrangement::kindFor(11835, 9075, c.width, c.height), c.kind)
            << c.width << " x " << c.height;
    }
}

// A large screen shows the desktop's one mapping, whatever parts the form has.
TEST(ArrangementKind, UniformIsTheDesktopsFittedMapping) {
    Form1 form;
    form.load();
    for (const auto& [width, height] : std::vector<std::pair<double, double>>{
             {789, 605}, {1578, 1210}, {1200, 605}, {789, 1000}, {1180, 820}}) {
        const Arrangement a = Arrangement::of(11835, 9075, width, height, phoneParts(form));
        drawing::ViewGeometry fitted;
        fitted.fitForm(11835, 9075, width, height);
        ASSERT_EQ(a.regions().size(), 1u);
        EXPECT_EQ(a.regions()[0].geometry.pixelsPerTwip(), fitted.pixelsPerTwip());
        EXPECT_EQ(a.regions()[0].geometry.offset(), fitted.offset());
        EXPECT_EQ(a.height(), height);
        const RectF box = form.cmbOne.box();
        const drawing::PixelRect widget = a.widgetRect(box);
        EXPECT_EQ(widget, fitted.toWidgetRect(box)) << "no control grows";
    }
}

// The demonstrations as a student opens them, with every lesson that draws over one on, so that
// each shows all the figures it can.
Form1& opened(Form1& form, int demo, bool record = true) {
    form.load();
    form.cmbDemo.pick(demo);
    form.lesson.setEllipse(true);
    form.lesson.setFadingRecord(record);
    form.lesson.setPhasorNumbers(true);
    if (form.cmdHist.visible())
        form.cmdHist.click();
    return form;
}

bool apart(const RectF& a, const RectF& b) {
    return a.right() <= b.left + 1e-9 || b.right() <= a.left + 1e-9 || a.bottom() <= b.top + 1e-9 ||
           b.bottom() <= a.top + 1e-9;
}

// A phone, upright and sideways, in every demonstration: the regions stand apart inside their
// panes, every control at one scale and at least a finger's target, the panes side by side or
// one above the other, and a point of a region maps back to its twips.
class PhoneArrangement : public ::testing::TestWithParam<int> {};

TEST_P(PhoneArrangement, RegionsStandApartAndEveryControlIsAFingersTargetAtOneScale) {
    // With every lesson on, and as the demonstration opens: the figures differ, and with them the
    // controls' scale.
    for (const bool lessons : {true, false}) {
        Form1 form;
        opened(form, GetParam());
        if (!lessons) {
            form.lesson.setEllipse(false);
            form.lesson.setFadingRecord(false);
            form.lesson.setPhasorNumbers(false);
        }
        const std::string demo = form.cmbDemo.text() + (lessons ? " with its lessons" : "");
        for (const auto& [width, height] : std::vector<std::pair<double, double>>{
                 {390, 844}, {360, 640}, {844, 390}, {640, 360}, {390, 420}}) {
            const std::string at =
                demo + " at " + std::to_string(int(width)) + " x " + std::to_string(int(height));
            const Arrangement a = Arrangement::of(11835, 9075, width, height, phoneParts(form));
            ASSERT_NE(a.kind(), Kind::Uniform) << at;
            const auto& panes = a.panes();
            EXPECT_TRUE(apart(panes[0].place, panes[1].place)) << at;
            for (const drawing::Pane& pane : panes) {
                EXPECT_GE(pane.place.left, -1e-9) << at;
                EXPECT_LE(pane.place.right(), width + 1e-9) << at;
                EXPECT_LE(pane.place.bottom(), height + 1e-9) << at;
            }
            EXPECT_FALSE(panes[0].scrolls()) << at << ": the figures never scroll";
            const RectF& tools = a.toolsButton();
            EXPECT_GE(tools.left, -1e-9) << at;
            EXPECT_LE(tools.right(), panes[a.toolsPane()].place.width + 1e-9) << at;
            EXPECT_LE(tools.bottom(), std::max(panes[a.toolsPane()].place.height,
                                               panes[a.toolsPane()].contentHeight) +
                                          1e-9)
                << at;
            EXPECT_GE(std::min(tools.width, tools.height), 44) << at << ": a finger's target";
            const auto& regions = a.regions();
            // A label's caption that runs on over the rest of its line stays clear of the rest too.
            const auto shown = [](const drawing::Region& r) {
                return r.geometry.toPixels(r.shown());
            };
            for (std::size_t i = 0; i < regions.size(); ++i) {
                const RectF page = shown(regions[i]);
                const drawing::Pane& pane = panes[regions[i].pane];
                EXPECT_GE(page.left, -1e-9) << at << " region " << i;
                EXPECT_LE(page.right(), pane.place.width + 1e-9) << at << " region " << i;
                for (std::size_t j = i + 1; j < regions.size(); ++j) {
                    if (regions[j].pane == regions[i].pane) {
                        EXPECT_TRUE(apart(page, shown(regions[j])))
                            << at << " regions " << i << ", " << j;
                    }
                }
                // The Tools button stands clear of every control of its pane, inside the pane.
                if (regions[i].pane == a.toolsPane()) {
                    EXPECT_TRUE(apart(page, a.toolsButton())) << at << " region " << i;
                }
                const RectF& twips = regions[i].twips;
                const PointF inside{twips.left + twips.width / 3, twips.top + twips.height / 3};
                const auto back =
                    a.toTwips(regions[i].pane, regions[i].geometry.toPixels(inside.x, inside.y));
                ASSERT_TRUE(back.has_value()) << at;
                EXPECT_NEAR(back->x, inside.x, 1e-6) << at;
                EXPECT_NEAR(back->y, inside.y, 1e-6) << at;
            }
            // A lesson's panel or words stands among the controls as wide as their lines, so that
            // its
            // text is at least theirs (words wider than that are set again by the view to fit).
            const drawing::PhoneParts parts = phoneParts(form);
            for (const RectF& note : parts.notes) {
                const drawing::Region& region = a.regionOf(note);
                ASSERT_EQ(region.twips, note) << at;
                EXPECT_EQ(region.pane, Arrangement::kControlsPane) << at;
                EXPECT_LE(region.page().right(), panes[1].place.width + 1e-9) << at;
                EXPECT_NEAR(region.page().width, Arrangement::notesWidth(parts) * a.controlScale(),
                            1e-9)
                    << at;
                if (note.width <= Arrangement::notesWidth(parts)) {
                    EXPECT_GE(region.geometry.pixelsPerTwip(), a.controlScale()) << at;
                }
            }
            EXPECT_EQ(!parts.notes.empty(), lessons && GetParam() != 0 && GetParam() != 2) << at;
            // Grown to a finger's box, the controls still stand apart.
            std::vector<std::pair<std::string, RectF>> grown;
            for (const auto& ref : form.windowedControls()) {
                const BoxControl& control =
                    *std::visit([](auto* c) -> const BoxControl* { return c; }, ref);
                if (!control.visible())
                    continue;
                const auto* button = dynamic_cast<const Button*>(&control);
                const bool tip = button != nullptr && button->graphical();
                const drawing::PixelRect widget = a.widgetRect(control.box(), tip);
                if (!tip) {
                    const RectF r{double(widget.left), double(widget.top), double(widget.width),
                                  double(widget.height)};
                    for (const auto& [name, other] : grown)
                        EXPECT_TRUE(apart(r, other))
                            << at << " " << control.name() << " over " << name;
                    grown.emplace_back(control.name(), r);
                }
                const double least = tip ? 16 : 24;
                EXPECT_GE(widget.width, least) << at << " " << control.name();
                EXPECT_GE(widget.height, least) << at << " " << control.name();
                const drawing::Region& region = a.regionOf(control.box());
                if (!tip) {
                    EXPECT_EQ(region.pane, Arrangement::kControlsPane)
                        << at << " " << control.name();
                    EXPECT_DOUBLE_EQ(region.geometry.pixelsPerTwip(), a.controlScale())
                        << at << " " << control.name();
                }
            }
        }
    }
}

std::string demoName(const ::testing::TestParamInfo<int>& info) {
    // The demo list's order.
    static const char* const names[] = {"GroupVelocity", "Polarisation", "PlaneWave",
                                        "Rayleigh",      "Ricean",       "Phasors"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryDemonstration, PhoneArrangement, ::testing::Range(0, 6), demoName);

// Held upright, the figures fill what the controls leave: the axes of the polarisation and the
// fading at 85 % of the width or more, and where everything fits, at most 15 % of the height
// empty, with the controls at the bottom of the screen; where it does not, the figures stay and
// the controls' pane scrolls. The wave is a strip of 96 steps: at the full width, it cannot fill
// a tall screen without being distorted, and it is held to its width alone. The phasors' diagrams
// stand as a column above their sinusoids, as wide as the height lets them be.
TEST(PhoneArrangementHeight, FiguresFillTheHeightTheControlsLeaveAndStayWhenTheyScroll) {
    // The fading demonstrations twice: the histogram beside the record, and alone below the axes.
    for (int demo = 0; demo < 8; ++demo) {
        for (const auto& [width, height] :
             std::vector<std::pair<double, double>>{{390, 844}, {360, 640}}) {
            Form1 form;
            opened(form, demo < 6 ? demo : demo - 3, demo < 6);
            const std::string at = form.cmbDemo.text() + " at " + std::to_string(int(width));
            const Arrangement a = Arrangement::of(11835, 9075, width, height, phoneParts(form));
            const auto& panes = a.panes();
            double covered = 0;  // the height the figures' rows take
            double rowTop = -1;
            for (const drawing::Region& region : a.regions()) {
                if (region.pane != Arrangement::kPicturePane || region.page().top <= rowTop)
                    continue;
                rowTop = region.page().top;
                covered += region.page().height;
            }
            const bool wave =
                form.cmbDemo.text() == "Plane Wave" || form.cmbDemo.text() == "Group Velocity";
            const RectF main = a.regions().front().page();
            if (wave) {
                EXPECT_NEAR(main.width, width, 1e-9) << at;
            } else if (form.cmbDemo.text() != "Phasors") {
                EXPECT_GE(main.width, 0.85 * width - 1e-9) << at;
            }
            if (!panes[1].scrolls()) {
                EXPECT_NEAR(panes[1].place.bottom(), height, 1e-9) << at << ": at the bottom";
                const double empty = height - covered - panes[1].contentHeight;
                if (!wave) {
                    EXPECT_LE(empty, 0.15 * height) << at;
                }
            }
        }
    }
    // A keyboard that slides up leaves 420 pixels: the figures stay on screen above the
    // controls, which scroll.
    Form1 form;
    opened(form, 3);  // "Rayleigh"
    const Arrangement a = Arrangement::of(11835, 9075, 390, 420, phoneParts(form));
    EXPECT_TRUE(a.panes()[1].scrolls());
    EXPECT_GE(a.panes()[1].place.height, 0.4 * 420 - 1e-9);
    EXPECT_GT(a.panes()[0].place.height, 0);
}

}  // namespace
