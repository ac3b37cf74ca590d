#include "demos/demonstrations.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"

namespace {

const auto run = [](const std::function<void()>& action) { action(); };

bool inside(const RectF& box, const std::vector<demos::Figure>& figures) {
    for (const demos::Figure& figure : figures) {
        const RectF& f = figure.box;
        if (box.left >= f.left && box.right() <= f.right() && box.top >= f.top &&
            box.bottom() <= f.bottom())
            return true;
    }
    return false;
}

// The list is the demo list: Form_Load fills cmbDemo from it, in its order, and the list finds the
// entry a text names only when the text is the name, whole and exact.
TEST(Demonstrations, TheListIsTheDemoListAndFindsOnlyWholeExactNames) {
    Form1 form;
    form.load();
    std::vector<std::string> names;
    for (const demos::Demonstration& d : demos::all()) names.emplace_back(d.name);
    EXPECT_EQ(form.cmbDemo.items(), names);
    for (int k = 0; k < 6; ++k) {
        form.cmbDemo.pick(k);
        ASSERT_NE(demos::shown(form), nullptr);
        EXPECT_EQ(demos::shown(form)->name, names[k]);
    }
    for (const char* typed : {"rayleigh", "Rayleigh ", "Ray", ""}) {
        form.cmbDemo.setText(typed);
        EXPECT_EQ(demos::shown(form), nullptr) << '"' << typed << '"';
    }
}

// Each figure of a demonstration holds whole what its picture draws there: every visible line and
// shape above the option rows, and every drawing of its lessons in use. A figure that cut one
// would cut it on a phone, which shows the figures rather than the form.
TEST(Demonstrations, FiguresHoldEveryLineShapeAndLessonDrawingOfTheirPicture) {
    const char* const setups[] = {
        "demo=Plane+Wave&one=0.5&two=0.0",
        "demo=Group+Velocity&one=0.5&two=2.0",
        "demo=Polarisation&two=Vertical&phase=45&ellipse",
        "demo=Rayleigh&one=Three&histogram&record&theory=Rayleigh",
        "demo=Ricean&one=Two&fixed=3&histogram&record",
        "demo=Phasors&tip1=2400,780&tip2=900,3000&numbers",
    };
    for (const char* setup : setups) {
        Form1 form;
        form.load();
        ASSERT_EQ(SetupSettings::fromFragment(setup).settings.apply(form, run), "") << setup;
        for (int t = 0; t < 40; ++t) form.tmrOne.tick();
        const demos::Demonstration* shown = demos::shown(form);
        ASSERT_NE(shown, nullptr);
        const std::vector<demos::Figure> figures = shown->figures(form);
        // A lesson's drawing may stand below the picture where the demonstration shows no
        // control (the phasor numbers, where "Phasors" hides the option rows).
        const auto clearOfControls = [&form](const RectF& figure) {
            bool clear = true;
            const auto check = [&](const auto* control) {
                const auto* box = dynamic_cast<const BoxControl*>(control);
                if (box != nullptr && control->visible() && box->box().intersects(figure))
                    clear = false;
            };
            for (const auto& item : form.paintOrder()) std::visit(check, item);
            for (const auto& ref : form.windowedControls()) std::visit(check, ref);
            return clear;
        };
        for (const demos::Figure& figure : figures) {
            EXPECT_TRUE(
                figure.box.left >= 0 && figure.box.right() <= form.clientWidth() &&
                figure.box.top >= 0 &&
                (figure.box.bottom() <= 7200 ||
                 (figure.box.bottom() <= form.clientHeight() && clearOfControls(figure.box))))
                << setup << ": " << figure.name << " leaves the picture";
        }
        for (const auto& item : form.paintOrder()) {
            std::visit(
                [&](const Control* control) {
                    const auto* box = dynamic_cast<const BoxControl*>(control);
                    const bool drawn = dynamic_cast<const Line*>(control) != nullptr ||
                                       dynamic_cast<const Shape*>(control) != nullptr;
                    if (box == nullptr || !drawn || !control->visible() || box->top() >= 7200)
                        return;
                    RectF b = box->box();
                    b.width = std::max(b.width, 1.0);  // a level or upright line
                    b.height = std::max(b.height, 1.0);
                    EXPECT_TRUE(inside(b, figures)) << setup << ": " << control->name();
                },
                item);
        }
        for (const drawing::Overlay& overlay : lessonLayer(form).overlays) {
            for (const drawing::Overlay::Caption& caption : overlay.captions)
                EXPECT_TRUE(inside(caption.box, figures)) << setup << ": " << caption.text;
            for (const drawing::Overlay::Polyline& line : overlay.lines) {
                for (const PointF& p : line.points)
                    EXPECT_TRUE(inside({p.x, p.y, 1, 1}, figures)) << setup << ": a line's point";
            }
        }
    }
}

}  // namespace
