#include "app/form1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/param_names.h"

namespace {

const std::vector<std::string> kDemoNames = {"Group Velocity", "Polarisation", "Plane Wave",
                                             "Rayleigh",       "Ricean",       "Phasors"};

TEST(Form1DesignState, WindowAndWindowedControlsAreAsDesigned) {
    Form1 form;  // created, not yet loaded
    EXPECT_EQ(form.caption(), "Orvo's Propagation Demos");
    EXPECT_EQ(form.clientWidth(), 11835);
    EXPECT_EQ(form.clientHeight(), 9075);

    EXPECT_EQ(form.cmbDemo.text(), "Plane Wave");
    EXPECT_TRUE(form.cmbDemo.items().empty());
    EXPECT_EQ(form.cmbOne.text(), "Combo1");
    EXPECT_EQ(form.cmbOne.textColour(), Colour(0x008000));
    EXPECT_EQ(form.cmbTwo.textColour(), Colour(0xFF0000));
    EXPECT_EQ(form.cmbDemo.box(), (RectF{1380, 7260, 2295, 480}));
    EXPECT_EQ(form.cmdStart.caption(), "Pause");
    EXPECT_EQ(form.cmdHist.box(), (RectF{9480, 3600, 2055, 495}));
    EXPECT_TRUE(form.tmrOne.enabled());
    EXPECT_EQ(form.tmrOne.interval(), 100);

    struct Bar {
        const ScrollBar& bar;
        int min, max, value, small, large, tab;
    };
    const Bar bars[] = {{form.hscPhase, -180, 180, 0, 5, 10, 6},
                        {form.hscAmp1, 0, 100, 0, 1, 10, 11},
                        {form.hscAmp2, 0, 100, 0, 1, 10, 10},
                        {form.hscRate, 0, 20, 0, 5, 5, 13},
                        {form.hscFixed, 0, 10, 5, 5, 2, 15}};
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.bar.name());
        EXPECT_EQ(b.bar.min(), b.min);
        EXPECT_EQ(b.bar.max(), b.max);
        EXPECT_EQ(b.bar.value(), b.value);
        EXPECT_EQ(b.bar.smallChange(), b.small);
        EXPECT_EQ(b.bar.largeChange(), b.large);
        EXPECT_EQ(b.bar.tabIndex(), b.tab);
        EXPECT_TRUE(b.bar.visible());
    }

    const Colour handleColours[] = {Colour(0x00C000), Colour(0xC00000), Colour(0xC000C0)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.cmdPhasor[i].box(), (RectF{4080, 2280.0 + 480 * i, 255, 255}));
        EXPECT_EQ(form.cmdPhasor[i].backColour(), handleColours[i]);
        EXPECT_TRUE(form.cmdPhasor[i].graphical());
        EXPECT_EQ(form.cmdPhasor[i].tabIndex(), 17 + i);
    }
    EXPECT_EQ(form.lblFour.caption(), " 0 degrees");
    EXPECT_EQ(form.lblRate.caption(), "Speed ");
    EXPECT_EQ(form.imgTarm.box(), (RectF{0, 8340, 4500, 720}));
}

TEST(Form1DesignState, LinesAndShapesAreAsDesigned) {
    Form1 form;
    for (int i = 0; i < 192; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form.lnePlot[i].visible(), i <= 95);
        EXPECT_EQ(form.lnePlot[i].borderWidth(), 6);
        EXPECT_EQ(form.lnePlot[i].borderColour(), Colour(0x008000));
        EXPECT_FALSE(form.lnePlot2[i].visible());
        EXPECT_FALSE(form.lnePlot3[i].visible());
    }
    EXPECT_EQ(form.lnePlot[47].box(), (RectF{120, 3000, 120, 0}));
    EXPECT_EQ(form.lnePlot[48].box(), (RectF{120, 3180, 120, 0}));
    EXPECT_EQ(form.lnePlot[191].box(), (RectF{720, 360, 120, 0}));

    EXPECT_EQ(form.lnePhasor[2].box(), (RectF{3600, 5640, 7680, 0}));
    EXPECT_EQ(form.lnePhasor[4].box(), (RectF{600, 3600, 2040, 0}));
    EXPECT_EQ(form.lnePhasor[8].box(), (RectF{1560, 4800, 0, 1680}));
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(form.lnePol[i].visible());
        EXPECT_TRUE(form.lnePol[i].dotted());
        EXPECT_FALSE(form.lnePol[i].drawnDotted()) << "solid while two pixels wide";
    }
    EXPECT_EQ(form.lnePol[5].borderColour(), Colour(0xC000C0));

    EXPECT_EQ(form.Shape1[2].box(), (RectF{2160, 4800, 435, 375}));
    EXPECT_EQ(form.Shape1[2].drawnBox(), (RectF{2190, 4800, 375, 375})) << "the largest circle";
    EXPECT_EQ(form.shpHist[3].box(), (RectF{7800, 360, 135, 3015}));
    EXPECT_EQ(form.shpHist[31].box(), (RectF{11160, 2880, 135, 495}));
    EXPECT_EQ(form.Line4.box(), (RectF{7440, 3360, 4140, 0}));
}

TEST(Form1DesignState, StackingOrderPutsTheLaterTracesOnTop) {
    Form1 form;
    const auto& order = form.paintOrder();
    const auto position = [&](const Control& control) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            const Control* c = std::visit([](auto* p) -> const Control* { return p; }, order[i]);
            if (c == &control)
                return static_cast<int>(i);
        }
        return -1;
    };
    EXPECT_EQ(order.size(), 3u * 192 + 9 + 6 + 3 + 32 + 4 + 7 + 1);
    // Top to bottom, as the window shows them.
    const Control* topDown[] = {
        &form.lnePlot3[191], &form.lnePlot3[0], &form.lnePlot2[0], &form.lnePhasor[8],
        &form.lblFixed,      &form.lblRate,     &form.shpHist[31], &form.Line4,
        &form.Line3,         &form.Label1,      &form.imgTarm,     &form.lnePol[5],
        &form.Shape1[2],     &form.Line2,       &form.Line1,       &form.lblFour,
        &form.lblThree,      &form.lnePlot[48], &form.lblTwo,      &form.lblOne,
        &form.lnePlot[47],   &form.lnePlot[0]};
    for (std::size_t i = 1; i < std::size(topDown); ++i) {
        EXPECT_GT(position(*topDown[i - 1]), position(*topDown[i])) << topDown[i]->name();
    }
}

class Form1Loaded : public ::testing::Test {
protected:
    void SetUp() override { form.load(); }

    void choose(const std::string& name) { form.cmbDemo.setText(name); }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }

    Form1 form;
};

TEST_F(Form1Loaded, DemoListHoldsTheSixNamesWithPlaneWaveSelected) {
    EXPECT_EQ(form.cmbDemo.items(), kDemoNames);
    EXPECT_EQ(form.cmbDemo.text(), "Plane Wave");
    EXPECT_TRUE(form.tmrOne.enabled());
    EXPECT_EQ(form.cmdStart.caption(), "Pause");
    tick(3);
    EXPECT_EQ(form.FrameCount, 3.0) << "the animation runs without a click";
}

// Shows and recolours everything the neutral state resets, as a demonstration might leave it.
void disturb(Form1& form) {
    form.cmdHist.setVisible(true);
    for (Line* line : {&form.Line1, &form.Line2, &form.Line3, &form.Line4}) line->setVisible(true);
    for (auto& s : form.Shape1) s.setVisible(true);
    for (auto& l : form.lnePol) {
        l.setVisible(true);
        l.setBorderWidth(1);
    }
    for (int i = 0; i < 192; ++i) {
        form.lnePlot[i].setVisible(true);
        form.lnePlot[i].setBorderColour(Colour(0x123456));
        form.lnePlot2[i].setVisible(true);
        form.lnePlot3[i].setVisible(true);
    }
    for (auto& s : form.shpHist) s.setVisible(true);
    for (auto& l : form.lnePhasor) l.setVisible(true);
    for (auto& b : form.cmdPhasor) b.setVisible(true);
    for (ScrollBar* bar : {&form.hscAmp1, &form.hscAmp2, &form.hscRate, &form.hscFixed}) {
        bar->setVisible(true);
    }
    form.hscAmp1.setValue(3);
    form.hscAmp2.setValue(97);
    form.lblRate.setVisible(true);
    form.lblFixed.setVisible(true);
}

void expectNeutralState(const Form1& form) {
    EXPECT_EQ(form.cmdStart.caption(), "Pause");
    EXPECT_TRUE(form.tmrOne.enabled()) << "\"Pause\" is shown only over a running animation";
    EXPECT_FALSE(form.cmdHist.visible());
    for (const Line* line : {&form.Line1, &form.Line2, &form.Line3, &form.Line4}) {
        EXPECT_FALSE(line->visible()) << line->name();
    }
    for (const auto& s : form.Shape1) EXPECT_FALSE(s.visible()) << s.name();
    for (const auto& l : form.lnePol) {
        EXPECT_FALSE(l.visible()) << l.name();
        EXPECT_EQ(l.borderWidth(), 2) << l.name();
    }
    for (int i = 0; i <= 96; ++i) {
        EXPECT_FALSE(form.lnePlot[i].visible()) << i;
        EXPECT_FALSE(form.lnePlot2[i].visible()) << i;
        EXPECT_FALSE(form.lnePlot3[i].visible()) << i;
        EXPECT_EQ(form.lnePlot[i].borderColour(), Colour(0x008000)) << i;
    }
    for (int i = 97; i < 192; ++i) {
        EXPECT_TRUE(form.lnePlot[i].visible()) << "segments beyond 96 are never touched";
        EXPECT_EQ(form.lnePlot[i].borderColour(), Colour(0x123456));
    }
    for (const auto& s : form.shpHist) EXPECT_FALSE(s.visible()) << s.name();
    for (const auto& l : form.lnePhasor) EXPECT_FALSE(l.visible()) << l.name();
    for (const auto& b : form.cmdPhasor) EXPECT_FALSE(b.visible()) << b.name();
    EXPECT_FALSE(form.hscAmp1.visible());
    EXPECT_EQ(form.hscAmp1.value(), 50);
    EXPECT_FALSE(form.hscAmp2.visible());
    EXPECT_EQ(form.hscAmp2.value(), 50);
    EXPECT_FALSE(form.hscRate.visible());
    EXPECT_FALSE(form.lblRate.visible());
    EXPECT_FALSE(form.hscFixed.visible());
    EXPECT_FALSE(form.lblFixed.visible());
}

class NameMatchingNoDemo : public Form1Loaded, public ::testing::WithParamInterface<const char*> {};

TEST_P(NameMatchingNoDemo, LeavesTheWindowInTheNeutralState) {
    disturb(form);
    const double frames = form.FrameCount;
    choose(GetParam());
    expectNeutralState(form);
    tick(2);
    EXPECT_EQ(form.FrameCount, frames + 2) << "the timer keeps counting; nothing is drawn";
    expectNeutralState(form);
}

INSTANTIATE_TEST_SUITE_P(PartialAndWrongNames, NameMatchingNoDemo,
                         ::testing::Values("Plane", "", "plane wave", "Phasors ", " Ricean",
                                           "Rayleigh\n", "Polarization", "\xe6\xb3\xa2"),
                         SpelledParamName());

TEST_F(Form1Loaded, ChoosingTheShownDemoAgainRunsItsSetUpAgain) {
    form.Line1.setVisible(true);
    form.cmbDemo.pick(2);  // "Plane Wave", already shown
    EXPECT_EQ(form.cmbDemo.text(), "Plane Wave");
    EXPECT_FALSE(form.Line1.visible()) << "the neutral state ran again";
}

TEST_F(Form1Loaded, StartPauseTogglesOnTheCaption) {
    tick(2);
    form.cmdStart.click();
    EXPECT_EQ(form.cmdStart.caption(), "Start");
    EXPECT_FALSE(form.tmrOne.enabled());
    tick(5);
    EXPECT_EQ(form.FrameCount, 2.0) << "a paused animation draws no frames";

    form.cmdStart.click();
    EXPECT_EQ(form.cmdStart.caption(), "Pause");
    EXPECT_TRUE(form.tmrOne.enabled());
    tick();
    EXPECT_EQ(form.FrameCount, 3.0) << "resuming continues from where it stopped";

    form.cmdStart.setCaption("Halt");  // any caption but "Start" means running
    form.cmdStart.click();
    EXPECT_EQ(form.cmdStart.caption(), "Start");
    EXPECT_FALSE(form.tmrOne.enabled());
}

TEST_F(Form1Loaded, ChoosingADemoWhilePausedStartsTheAnimation) {
    for (const std::string& name : kDemoNames) {
        SCOPED_TRACE(name);
        form.cmdStart.click();
        ASSERT_EQ(form.cmdStart.caption(), "Start");
        choose(name == form.cmbDemo.text() ? "" : name);
        choose(name);
        EXPECT_EQ(form.cmdStart.caption(), "Pause");
        EXPECT_TRUE(form.tmrOne.enabled());
    }
}

TEST_F(Form1Loaded, PhaseScrollBarEchoesDegrees) {
    const std::pair<int, const char*> echoes[] = {{-180, "-180 Degrees"}, {0, " 0 Degrees"},
                                                  {180, " 180 Degrees"},  {45, " 45 Degrees"},
                                                  {-90, "-90 Degrees"},   {-5, "-5 Degrees"}};
    for (const auto& [value, caption] : echoes) {
        form.hscPhase.setValue(value);
        EXPECT_EQ(form.lblFour.caption(), caption);
    }
}

TEST_F(Form1Loaded, OptionValueIsTheLeadingNumberOfCmbOne) {
    const std::pair<const char*, double> texts[] = {
        {"0.5", 0.5},   {"10.0", 10.0},   {"Two", 0.0},      {"  7.25", 7.25},
        {"1e2", 100.0}, {"2.5E-1", 0.25}, {"-3 rays", -3.0}, {"1e999", 1.7976931348623157e308}};
    for (const auto& [text, value] : texts) {
        form.cmbOne.setText(text);
        EXPECT_DOUBLE_EQ(form.OptionValue, value) << text;
    }
    form.cmbOne.addItem("5.0");
    form.cmbOne.pick(form.cmbOne.items().size() - 1);
    EXPECT_EQ(form.OptionValue, 5.0) << "a pick stores it as well";
}

TEST_F(Form1Loaded, CmbOneHidesTheTraceOnlyInTheFadingDemos) {
    for (const std::string& name : kDemoNames) {
        SCOPED_TRACE(name);
        choose(name);
        for (int i = 0; i < 192; ++i) form.lnePlot[i].setVisible(true);
        form.cmbOne.setText("typed " + name);
        const bool fading = name == "Rayleigh" || name == "Ricean";
        for (int i = 0; i <= 96; ++i) EXPECT_EQ(form.lnePlot[i].visible(), !fading) << i;
        for (int i = 97; i < 192; ++i) EXPECT_TRUE(form.lnePlot[i].visible()) << i;
    }
}

TEST_F(Form1Loaded, EveryRunningTickAddsOneFrame) {
    const double start = form.FrameCount;
    for (int i = 1; i <= 50; ++i) {
        tick();
        ASSERT_EQ(form.FrameCount, start + i);
    }
    form.tmrOne.setEnabled(false);
    form.tmrOne_Timer();  // a tick that was already due when the timer stopped
    EXPECT_EQ(form.FrameCount, start + 50);
}

}  // namespace
