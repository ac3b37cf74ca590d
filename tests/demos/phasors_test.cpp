#include <gtest/gtest.h>

#include <cmath>

#include "app/form1.h"
#include "demos/phasors/phase_angle.h"
#include "demos/phasors/phasors.h"

namespace {

constexpr double kPi = 3.1415926;

struct Point {
    double x, y;
};

// The origins of the three phasor diagrams.
constexpr Point kOrigin[3] = {{1560, 1560}, {1560, 3600}, {1560, 5640}};

class PhasorTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.load();
        form.cmbDemo.setText("Phasors");
    }
    void tick() { form.tmrOne.tick(); }
    Point centre(int k) const {
        const Button& h = form.cmdPhasor[k];
        return {h.left() + h.width() / 2.0, h.top() + h.height() / 2.0};
    }
    // A user's drag of handle `k` released at (x, y).
    Form::DropResult dragAndDrop(int k, double x, double y, int button = Button::kLeftButton) {
        form.cmdPhasor[k].mouseDown(button, 0, 100, 100);
        return form.drop(x, y);
    }
    // Puts a handle's tip at an offset from its origin, as a drop would leave it on the grid.
    void placeTip(int k, double dx, double dy) {
        form.cmdPhasor[k].move(kOrigin[k].x + dx - 127.5, kOrigin[k].y + dy - 127.5);
    }

    Form1 form;
};

TEST_F(PhasorTest, SetUpLaysOutTracesAndCentresTheHandles) {
    const LineArray* traces[] = {&form.lnePlot, &form.lnePlot2, &form.lnePlot3};
    const Colour colours[] = {Colour(0x00C000), Colour(0xC00000), Colour(0xC000C0)};
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i <= 95; ++i) {
            const Line& s = (*traces[t])[i];
            EXPECT_TRUE(s.visible());
            EXPECT_EQ(s.borderColour(), colours[t]);
            EXPECT_FLOAT_EQ(s.x1(), 3600 + 80 * i);
            EXPECT_FLOAT_EQ(s.x2(), 3600 + 80 * (i + 1));
            EXPECT_EQ(s.y1(), kOrigin[t].y);
            EXPECT_EQ(s.y2(), kOrigin[t].y);
        }
        EXPECT_FALSE((*traces[t])[96].visible());
        EXPECT_EQ(form.cmdPhasor[t].left(), 1432.5f);
        EXPECT_EQ(form.cmdPhasor[t].top(), static_cast<float>(kOrigin[t].y - 127.5));
        EXPECT_TRUE(form.cmdPhasor[t].visible());
    }
    for (const auto& axis : form.lnePhasor) EXPECT_TRUE(axis.visible());
    for (const auto& shaft : form.lnePol) EXPECT_FALSE(shaft.visible()) << "no frame drawn yet";
    for (const Control* hidden : std::initializer_list<const Control*>{
             &form.lblOne, &form.lblTwo, &form.cmbOne, &form.cmbTwo, &form.lblThree, &form.hscPhase,
             &form.lblFour, &form.hscAmp1, &form.Line1, &form.Shape1[0]}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
}

TEST_F(PhasorTest, FirstFrameHasThreeZeroPhasors) {
    form.Trace1[96] = 7;
    form.Trace2[96] = 8;
    form.Trace3[96] = 9;
    tick();
    const LineArray* traces[] = {&form.lnePlot, &form.lnePlot2, &form.lnePlot3};
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i <= 94; ++i) {
            EXPECT_EQ((*traces[t])[i].y1(), kOrigin[t].y);
            EXPECT_EQ((*traces[t])[i].y2(), kOrigin[t].y);
        }
        EXPECT_FALSE((*traces[t])[95].visible());
    }
    for (int i = 0; i <= 95; ++i) EXPECT_EQ(form.Trace3[i], 0.0);
    EXPECT_EQ(form.Trace1[96], 7) << "only samples 0 to 95 are written";
    EXPECT_EQ(form.Trace2[96], 8);
    EXPECT_EQ(form.Trace3[96], 9);
    for (int s = 0; s < 4; ++s) {
        const Line& shaft = form.lnePol[s];
        EXPECT_TRUE(shaft.visible());
        EXPECT_EQ(shaft.x1(), shaft.x2());
        EXPECT_EQ(shaft.y1(), shaft.y2());
    }
    EXPECT_FALSE(form.lnePol[4].visible());
    EXPECT_FALSE(form.lnePol[5].visible());
    EXPECT_EQ(centre(2).x, kOrigin[2].x);
    EXPECT_EQ(centre(2).y, kOrigin[2].y);
}

TEST_F(PhasorTest, TracesAreTheSinusoidsOfTheTipsAndTheirSum) {
    const Point offsets[][2] = {{{300, 420}, {-180, 60}},
                                {{0, 600}, {0, -600}},
                                {{-540, -120}, {900, -1500}},
                                {{2400, 3000}, {-4200, 60}},
                                {{60, -60}, {0, 0}}};
    for (const auto& pair : offsets) {
        placeTip(0, pair[0].x, pair[0].y);
        placeTip(1, pair[1].x, pair[1].y);
        tick();
        const TraceArray* traces[] = {&form.Trace1, &form.Trace2};
        for (int k = 0; k < 2; ++k) {
            const double length = std::hypot(pair[k].x, pair[k].y);
            for (int i = 0; i <= 95; ++i) {
                const double a = i * kPi / 8;
                EXPECT_NEAR((*traces[k])[i], pair[k].y * std::cos(a) + pair[k].x * std::sin(a),
                            1e-6 * std::max(length, 1.0))
                    << k << ", " << i;
            }
            EXPECT_NEAR((*traces[k])[0], pair[k].y, 1e-6 * std::max(length, 1.0))
                << "the first point is the tip's height";
        }
        for (int i = 0; i <= 95; ++i) {
            // Not exact: the eight-digit pi puts the phase pi a hair away from a half turn.
            EXPECT_NEAR(form.Trace3[i], form.Trace1[i] + form.Trace2[i], 1e-3) << i;
        }
        EXPECT_FLOAT_EQ(form.lnePlot2[10].y2(), static_cast<float>(3600 + form.Trace2[10]));
        // The resultant handle marks the head-to-tail sum.
        EXPECT_NEAR(centre(2).x, kOrigin[2].x + pair[0].x + pair[1].x, 1e-3);
        EXPECT_NEAR(centre(2).y, kOrigin[2].y + pair[0].y + pair[1].y, 1e-3);
        // Shafts: phasor 1 and 2 from their origins, and head to tail in diagram 3.
        EXPECT_NEAR(form.lnePol[0].x2(), kOrigin[0].x + pair[0].x, 1e-3);
        EXPECT_NEAR(form.lnePol[0].y2(), kOrigin[0].y + pair[0].y, 1e-3);
        EXPECT_EQ(form.lnePol[1].x1(), kOrigin[2].x);
        EXPECT_EQ(form.lnePol[1].y1(), kOrigin[2].y);
        EXPECT_NEAR(form.lnePol[1].y2(), kOrigin[2].y + pair[0].y, 1e-3);
        EXPECT_EQ(form.lnePol[3].x1(), form.lnePol[1].x2());
        EXPECT_EQ(form.lnePol[3].y1(), form.lnePol[1].y2());
        EXPECT_NEAR(form.lnePol[3].x2(), centre(2).x, 1e-3);
        EXPECT_NEAR(form.lnePol[3].y2(), centre(2).y, 1e-3);
        EXPECT_NEAR(form.lnePol[2].x2(), kOrigin[1].x + pair[1].x, 1e-3);
    }
}

TEST_F(PhasorTest, TipStraightAboveNegatesTheTraceOfTheTipBelow) {
    placeTip(0, 0, 900);
    tick();
    const TraceArray below = form.Trace1;
    placeTip(0, 0, -900);
    tick();
    for (int i = 0; i <= 95; ++i) {
        EXPECT_NEAR(below[i], 900 * std::cos(i * kPi / 8), 1e-9);
        EXPECT_NEAR(form.Trace1[i], -below[i], 1e-4) << i;
    }
}

TEST_F(PhasorTest, PhaseAngleIsMeasuredFromTheDownwardVertical) {
    EXPECT_EQ(PhaseAngle(0.0, 0.0), 0.0);
    EXPECT_EQ(PhaseAngle(5.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(PhaseAngle(-5.0, 0.0), kPi);
    EXPECT_LT(PhaseAngle(100.0, -50.0), 0.0) << "left of the axis, below: negative";
    EXPECT_DOUBLE_EQ(PhaseAngle(-100.0, 50.0), std::atan(-0.5) + kPi);
    // On the perpendicular there is no quotient; the angle is the arctangent's limit.
    EXPECT_EQ(PhaseAngle(0.0, 5.0), kPi / 2);
    EXPECT_EQ(PhaseAngle(-0.0, 5.0), kPi / 2);
    EXPECT_EQ(PhaseAngle(0.0, -5.0), -kPi / 2);
}

TEST_F(PhasorTest, TipOnTheHorizontalAxisGivesAFiniteSineTrace) {
    placeTip(0, 600, 0);
    tick();
    for (int i = 0; i <= 95; ++i) {
        EXPECT_NEAR(form.Trace1[i], 600 * std::sin(i * kPi / 8), 600e-6) << i;
    }
}

TEST_F(PhasorTest, DropCentresTheHandleThenSnapsItDownOntoTheGrid) {
    struct Case {
        int handle;
        double x, y;
        float left, top;
    };
    const Case cases[] = {
        {0, 1560, 1560, 1380, 1380},             // centre at (1507.5, 1507.5)
        {0, 60, 1560, -120, 1380},               // floor, not truncation towards zero
        {1, 127.5 + 60 * 30, 4000, 1800, 3840},  // on the grid already: unchanged
        {1, 6000, 6000, 5820, 5820},
        {0, 11800, 9000, 11640, 8820},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        // Away first, so that the drop point is not on the handle's own place.
        ASSERT_EQ(dragAndDrop(c.handle, 9000, 5000), Form::DropResult::Dropped);
        EXPECT_EQ(dragAndDrop(c.handle, c.x, c.y), Form::DropResult::Dropped);
        EXPECT_EQ(form.cmdPhasor[c.handle].left(), c.left);
        EXPECT_EQ(form.cmdPhasor[c.handle].top(), c.top);
    }
}

TEST_F(PhasorTest, DropUsesTheSizeOfTheFirstHandleForEvery) {
    form.cmdPhasor[0].setWidth(375);
    form.cmdPhasor[0].setHeight(135);
    dragAndDrop(1, 6000, 6000);
    EXPECT_EQ(form.cmdPhasor[1].left(), std::floor((6000 - 187.5) / 60) * 60);
    EXPECT_EQ(form.cmdPhasor[1].top(), std::floor((6000 - 67.5) / 60) * 60);
}

TEST_F(PhasorTest, OnlyALeftPressOnATipHandleStartsADrag) {
    const std::pair<int, int> noDrag[] = {{0, Button::kRightButton},
                                          {0, Button::kMiddleButton},
                                          {1, Button::kRightButton},
                                          {2, Button::kLeftButton},
                                          {2, Button::kRightButton}};
    for (const auto& [handle, button] : noDrag) {
        const float left = form.cmdPhasor[handle].left();
        EXPECT_EQ(dragAndDrop(handle, 6000, 6000, button), Form::DropResult::NoDrag);
        EXPECT_EQ(form.cmdPhasor[handle].left(), left);
    }
    form.cmdPhasor[1].mouseDown(Button::kLeftButton, 0, 0, 0);
    EXPECT_EQ(form.dragSource(), &form.cmdPhasor[1]);
}

TEST_F(PhasorTest, DropOnAControlThatTakesItLeavesTheHandle) {
    const RectF demo = form.cmbDemo.box();
    const RectF start = form.cmdStart.box();
    const RectF label = form.Label1.box();
    const Point refused[] = {
        {demo.left + 100, demo.top + 100},    // the demo list
        {start.left + 100, start.top + 100},  // a button
        {label.left + 100, label.top + 100},  // a label
        {300, 8700},                          // the logo
        {1560, 1560},                         // its own old place
        {1560, 3600},                         // the other handle
        {-100, 5000},                         // outside the window
        {5000, 1e9},
    };
    for (const Point& p : refused) {
        SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
        dragAndDrop(0, p.x, p.y);
        EXPECT_EQ(form.cmdPhasor[0].left(), 1432.5f);
        EXPECT_EQ(form.cmdPhasor[0].top(), 1432.5f);
    }
    // Lines report nothing: a release over an axis or a trace places the handle.
    EXPECT_EQ(dragAndDrop(0, 2000, 1560), Form::DropResult::Dropped);
    EXPECT_EQ(form.cmdPhasor[0].left(), 1860.0f);
    EXPECT_EQ(dragAndDrop(0, 5000, 3600), Form::DropResult::Dropped);
    EXPECT_EQ(form.cmdPhasor[0].left(), 4860.0f);
}

TEST_F(PhasorTest, TheDisplayFollowsADropAtTheNextTickOnly) {
    tick();
    form.cmdStart.click();  // paused
    dragAndDrop(0, 3000, 2500);
    EXPECT_EQ(form.lnePol[0].x2(), 1560.0f) << "the shaft waits for a frame";
    const double frames = form.FrameCount;
    form.cmdStart.click();
    tick();
    EXPECT_NEAR(form.lnePol[0].x2(), centre(0).x, 1e-3);
    EXPECT_EQ(form.FrameCount, frames + 1);
}

TEST_F(PhasorTest, ChoosingPhasorsAgainReturnsTheHandlesToTheirOrigins) {
    dragAndDrop(0, 3000, 2500);
    dragAndDrop(1, 300, 4000);
    tick();
    form.cmbDemo.pick(5);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(centre(k).x, kOrigin[k].x);
        EXPECT_EQ(centre(k).y, kOrigin[k].y);
    }
}

}  // namespace
