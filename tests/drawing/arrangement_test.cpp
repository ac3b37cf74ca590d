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
        const Arrangement a = Arrangement::of(11835, 9075, width, height, formParts(form));
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

// A phone, upright and sideways and with a keyboard up, in every demonstration: the parts stand
// apart, inside the page, the picture first at the full width (upright), each at most as large
// as its width lets it be and no smaller than a finger needs while it fits; every control a
// finger uses is at least 24 x 24 CSS pixels, and a point maps back to its twips.
class PhoneArrangement : public ::testing::TestWithParam<int> {};

TEST_P(PhoneArrangement, PartsStandApartAndEveryControlIsAFingersTarget) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(GetParam());
    const std::string demo = form.cmbDemo.text();
    for (const auto& [width, height] :
         std::vector<std::pair<double, double>>{{390, 844}, {844, 390}, {360, 640}, {390, 420}}) {
        const std::string at =
            demo + " at " + std::to_string(int(width)) + " x " + std::to_string(int(height));
        const Arrangement a = Arrangement::of(11835, 9075, width, height, formParts(form));
        ASSERT_NE(a.kind(), Kind::Uniform) << at;
        const auto& regions = a.regions();
        const RectF picture = regions[0].page();
        if (a.kind() == Kind::Upright) {
            EXPECT_NEAR(picture.width, width, 1e-9) << at;
        }
        EXPECT_EQ(a.width(), width) << at;
        EXPECT_GE(a.height(), height) << at;
        double bottom = 0;
        for (std::size_t i = 0; i < regions.size(); ++i) {
            const RectF page = regions[i].page();
            EXPECT_GE(page.left, -1e-9) << at << " region " << i;
            EXPECT_LE(page.right(), width + 1e-9) << at << " region " << i;
            bottom = std::max(bottom, page.bottom());
            for (std::size_t j = i + 1; j < regions.size(); ++j) {
                const RectF other = regions[j].page();
                const bool apart =
                    page.right() <= other.left + 1e-9 || other.right() <= page.left + 1e-9 ||
                    page.bottom() <= other.top + 1e-9 || other.bottom() <= page.top + 1e-9;
                EXPECT_TRUE(apart) << at << " regions " << i << " and " << j;
            }
            // A point of the region comes back to its twips.
            const RectF& twips = regions[i].twips;
            const PointF inside{twips.left + twips.width / 3, twips.top + twips.height / 3};
            if (regions[i].showsTwips(inside.x, inside.y)) {
                const auto back = a.toTwips(regions[i].geometry.toPixels(inside.x, inside.y));
                ASSERT_TRUE(back.has_value()) << at;
                EXPECT_NEAR(back->x, inside.x, 1e-6) << at;
                EXPECT_NEAR(back->y, inside.y, 1e-6) << at;
            }
        }
        EXPECT_NEAR(a.height(), std::max(height, bottom), 1e-6) << at << ": scrolls only for room";
        // The rows come right below the picture, upright, so that they stay on screen together.
        if (a.kind() == Kind::Upright && regions.size() > 1 && regions[1].twips.top >= 7200) {
            EXPECT_NEAR(regions[1].page().top, picture.bottom(), 1e-6) << at;
        }
        for (const auto& ref : form.windowedControls()) {
            const BoxControl& control =
                *std::visit([](auto* c) -> const BoxControl* { return c; }, ref);
            if (!control.visible())
                continue;
            const auto* button = dynamic_cast<const Button*>(&control);
            if (button != nullptr && button->graphical())
                continue;  // a phasor tip: a touch beside it picks it
            const drawing::PixelRect widget = a.widgetRect(control.box());
            EXPECT_GE(widget.width, 24) << at << " " << control.name();
            EXPECT_GE(widget.height, 24) << at << " " << control.name();
            // Its part at a finger's zoom, or at the full width where even that is less.
            const drawing::Region& region = a.regionOf(control.box());
            const double column = a.kind() == Kind::Upright ? width : width - picture.width;
            EXPECT_GE(region.geometry.pixelsPerTwip() * 15 + 1e-9,
                      std::min(Arrangement::kFingerZoom, column / region.twips.width * 15))
                << at << " " << control.name();
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

// Too little height for every part at a finger's scale: the page scrolls rather than shrink a
// target below it, and a part that does fit keeps the largest scale that fits its width.
TEST(PhoneArrangementHeight, CapsScalesToFitThenScrolls) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(3);  // "Rayleigh": rows, the histogram's controls, the demo list
    const Arrangement tall = Arrangement::of(11835, 9075, 390, 2000, formParts(form));
    const Arrangement fits = Arrangement::of(11835, 9075, 390, 600, formParts(form));
    const Arrangement short_ = Arrangement::of(11835, 9075, 390, 400, formParts(form));
    ASSERT_EQ(tall.regions().size(), 4u);
    EXPECT_EQ(tall.height(), 2000);
    for (std::size_t i = 1; i < 4; ++i) {
        const RectF& twips = tall.regions()[i].twips;
        EXPECT_NEAR(tall.regions()[i].geometry.pixelsPerTwip(), 390 / twips.width, 1e-12);
    }
    EXPECT_NEAR(fits.height(), 600, 1e-6);
    EXPECT_LE(fits.regions().back().page().bottom(), 600 + 1e-6);
    EXPECT_GT(short_.height(), 400);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_GE(short_.regions()[i].geometry.pixelsPerTwip() * 15,
                  Arrangement::kFingerZoom - 1e-9);
    }
    // In a gap or beside every part there is no window.
    EXPECT_FALSE(short_.toTwips({1, short_.height() - 1}).has_value());
}

}  // namespace
