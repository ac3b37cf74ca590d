#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/form1.h"

namespace {

constexpr double kPi = 3.1415926;
constexpr double kCx = 3540;
constexpr double kCy = 3600;

struct Point {
    double x, y;
};

class PolarisationTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.load();
        form.cmbDemo.setText("Polarisation");
    }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }
    // The centre of circle k, where the tip it marks lies.
    Point tip(int k) const {
        const Shape& c = form.Shape1[k];
        return {c.left() + c.width() / 2.0, c.top() + c.height() / 2.0};
    }
    void expectTip(int k, Point expected, double tolerance = 1e-3) const {
        const Point p = tip(k);
        EXPECT_NEAR(p.x, expected.x, tolerance) << "circle " << k << " at t = " << form.FrameCount;
        EXPECT_NEAR(p.y, expected.y, tolerance) << "circle " << k << " at t = " << form.FrameCount;
    }
    // Each tip has a horizontal projection to the vertical axis and a vertical one to the
    // horizontal axis, in its own colour pair.
    void expectProjections(int k) const {
        const Point p = tip(k);
        const Line& across = form.lnePol[2 * k];
        const Line& down = form.lnePol[2 * k + 1];
        EXPECT_NEAR(across.x1(), p.x, 1e-3);
        EXPECT_EQ(across.x2(), kCx);
        EXPECT_NEAR(across.y1(), p.y, 1e-3);
        EXPECT_EQ(across.y2(), across.y1());
        EXPECT_EQ(down.x1(), down.x2());
        EXPECT_NEAR(down.x1(), p.x, 1e-3);
        EXPECT_NEAR(down.y1(), p.y, 1e-3);
        EXPECT_EQ(down.y2(), kCy);
    }
    double phase(double t) const { return t * kPi / 12; }

    Form1 form;
};

TEST_F(PolarisationTest, SetUpFillsTheListsAndShowsTheFigure) {
    const std::vector<std::string> entries = {"Off", "Vertical", "Horizontal",
                                              "Right-Hand Circular", "Left-Hand Circular"};
    EXPECT_EQ(form.cmbOne.items(), entries);
    EXPECT_EQ(form.cmbTwo.items(), entries);
    EXPECT_EQ(form.cmbOne.text(), "Horizontal");
    EXPECT_EQ(form.cmbTwo.text(), "Off");
    EXPECT_EQ(form.cmbOne.textColour(), Colour(0x008000));
    EXPECT_EQ(form.cmbTwo.textColour(), Colour(0xFF0000));
    EXPECT_EQ(form.lblOne.caption(), "Component 1");
    EXPECT_EQ(form.lblTwo.caption(), "Component 2");
    EXPECT_EQ(form.lblFour.caption(), " 0 degrees") << "the echo is not rewritten by the set-up";
    for (const Control* shown : std::initializer_list<const Control*>{
             &form.lblOne, &form.cmbOne, &form.lblTwo, &form.cmbTwo, &form.lblThree, &form.lblFour,
             &form.hscPhase, &form.hscAmp1, &form.hscAmp2, &form.Line1, &form.Line2,
             &form.Shape1[0], &form.Shape1[1], &form.Shape1[2]}) {
        EXPECT_TRUE(shown->visible()) << shown->name();
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(form.lnePol[i].visible());
        EXPECT_EQ(form.lnePol[i].borderWidth(), 2);
        EXPECT_FALSE(form.lnePol[i].drawnDotted());
    }
    EXPECT_EQ(form.hscAmp1.value(), 50);
    EXPECT_FALSE(form.cmdHist.visible());
    EXPECT_FALSE(form.lnePlot[0].visible());
    EXPECT_EQ(form.Shape1[2].width(), 435.0f) << "sizes stay as created";
}

TEST_F(PolarisationTest, HorizontalAloneRidesTheHorizontalAxisUnderTheSum) {
    for (int frame = 0; frame < 30; ++frame) {
        const double t = form.FrameCount;
        const Point expected{kCx + 1800 * std::cos(phase(t)), kCy};
        expectTip(0, expected);
        expectTip(2, expected);
        expectTip(1, {kCx, kCy});
        EXPECT_GE(tip(0).x, 1740 - 1e-3);
        EXPECT_LE(tip(0).x, 5340 + 1e-3);
        for (int k = 0; k < 3; ++k) expectProjections(k);
        EXPECT_EQ(form.lnePol[2].x1(), form.lnePol[2].x2()) << "blue lines of zero length";
        EXPECT_EQ(form.lnePol[3].y1(), form.lnePol[3].y2());
        tick();
    }
}

TEST_F(PolarisationTest, HorizontalPlusVerticalInQuadratureIsCircular) {
    form.cmbTwo.setText("Vertical");
    for (int shift : {90, -90}) {
        SCOPED_TRACE(shift);
        form.hscPhase.setValue(shift);
        for (int frame = 0; frame < 13; ++frame) {
            tick();
            const double t = form.FrameCount;
            // +90: counter-clockwise on the screen (up after a quarter), as Left-Hand Circular.
            const double turn = shift > 0 ? -1 : 1;
            expectTip(2, {kCx + 1800 * std::cos(phase(t)), kCy + turn * 1800 * std::sin(phase(t))});
            const Point p = tip(2);
            EXPECT_NEAR(std::hypot(p.x - kCx, p.y - kCy), 1800, 1e-3);
            expectTip(1, {kCx, kCy + 1800 * std::cos(phase(t) + shift / 180.0 * kPi)});
        }
    }
}

TEST_F(PolarisationTest, EqualHorizontalComponentsCancelInAntiphase) {
    form.cmbTwo.setText("Horizontal");
    form.hscPhase.setValue(180);
    for (int frame = 0; frame < 24; ++frame) {
        tick();
        expectTip(2, {kCx, kCy}, 1e-3);
    }
    form.hscPhase.setValue(0);
    double left = kCx;
    double right = kCx;
    for (int frame = 0; frame < 24; ++frame) {
        tick();
        left = std::min(left, tip(2).x);
        right = std::max(right, tip(2).x);
        EXPECT_NEAR(tip(2).y, kCy, 1e-3);
    }
    EXPECT_NEAR(left, kCx - 3600, 1e-3);
    EXPECT_NEAR(right, kCx + 3600, 1e-3);
}

TEST_F(PolarisationTest, RightHandCircularRunsClockwiseFromTheRight) {
    form.cmbOne.setText("Right-Hand Circular");
    form.FrameCount = 0;
    form.DrawFrame();
    expectTip(0, {5340, 3600});
    tick(6);  // a quarter cycle
    expectTip(0, {3540, 5400});
    tick(18);
    expectTip(0, {5340, 3600});
}

TEST_F(PolarisationTest, ComponentsScaleWithTheirAmplitudeBars) {
    form.cmbOne.setText("Vertical");
    form.hscAmp1.setValue(100);
    tick();
    expectTip(0, {kCx, kCy + 3600 * std::cos(phase(form.FrameCount))});
    EXPECT_EQ(form.lnePol[0].x1(), form.lnePol[0].x2()) << "a vertical tip has no horizontal reach";
    form.hscAmp1.setValue(0);
    form.cmbOne.setText("Left-Hand Circular");
    tick();
    expectTip(0, {kCx, kCy});
    form.hscAmp2.setValue(25);
    form.cmbTwo.setText("Left-Hand Circular");
    tick();
    const double p2 = phase(form.FrameCount);
    expectTip(1, {kCx + 900 * std::cos(p2), kCy - 900 * std::sin(p2)});
}

TEST_F(PolarisationTest, AnyOtherTextActsAsOff) {
    for (const char* text : {"horizontal", "Horizontal ", "Right-Hand", "", "Off"}) {
        form.cmbOne.setText(text);
        tick();
        expectTip(0, {kCx, kCy});
        expectTip(2, {kCx, kCy});
    }
}

TEST_F(PolarisationTest, ChoosingItAgainResetsComponentsButKeepsPhaseAndTime) {
    form.cmbOne.setText("Vertical");
    form.cmbTwo.setText("Right-Hand Circular");
    form.hscAmp1.setValue(10);
    form.hscPhase.setValue(45);
    tick(5);
    const double frames = form.FrameCount;
    form.cmbDemo.pick(1);
    EXPECT_EQ(form.cmbOne.text(), "Horizontal");
    EXPECT_EQ(form.cmbTwo.text(), "Off");
    EXPECT_EQ(form.hscAmp1.value(), 50);
    EXPECT_EQ(form.hscPhase.value(), 45);
    EXPECT_EQ(form.lblFour.caption(), " 45 Degrees");
    EXPECT_EQ(form.FrameCount, frames);
    expectTip(0, {kCx + 1800 * std::cos(phase(frames)), kCy});  // drawn at once
}

TEST_F(PolarisationTest, CentreIsReadFromTheAxesAndRounded) {
    form.Line2.setX1(3000.5);  // halves go to the even neighbour
    form.Line1.setY1(2999.5);
    form.cmbOne.setText("Off");
    tick();
    expectTip(0, {3000, 3000});
}

}  // namespace
