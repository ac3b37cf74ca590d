#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/form1.h"
#include "demos/waves/plot_trace.h"
#include "tests/param_names.h"

namespace {

constexpr double kPi = 3.1415926;

// Expected samples, written from the formulas of the two demonstrations.
double planeWaveSample(int i, double t, double wavelength, double attenuation) {
    return std::cos((i - 24 - t) * kPi / 4 / (wavelength + 1e-8)) *
           std::exp(-i / 50.0 * attenuation);
}

double groupVelocitySample(int i, double t, double groupVelocity, double phaseVelocity) {
    const double envelope = std::max(0.0, std::cos((i - 24 - groupVelocity * t) * kPi / 30));
    return std::cos((i - 24 - phaseVelocity * t) * kPi / 4) * envelope;
}

class WaveTest : public ::testing::Test {
protected:
    void SetUp() override { form.load(); }
    void choose(const char* name) { form.cmbDemo.setText(name); }
    void chooseAgain(const char* name) {
        form.cmbDemo.setText("");
        form.cmbDemo.setText(name);
    }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }
    // Every visible segment's end points, as the screen shows them.
    std::vector<float> traceYs() const {
        std::vector<float> ys;
        for (int i = 0; i <= 96; ++i) {
            ys.push_back(form.lnePlot[i].y1());
            ys.push_back(form.lnePlot[i].y2());
        }
        return ys;
    }
    void expectMarkerOnJoint49() const {
        const Shape& marker = form.Shape1[0];
        EXPECT_EQ(marker.left() + marker.width() / 2, 6000.0f);
        EXPECT_FLOAT_EQ(marker.top() + marker.height() / 2,
                        static_cast<float>(3000 + 2000 * form.Trace1[48]));
    }
    void expectAllCoordinatesFinite() const {
        for (int i = 0; i <= 96; ++i) {
            ASSERT_TRUE(std::isfinite(form.lnePlot[i].y1()) && std::isfinite(form.lnePlot[i].y2()));
            ASSERT_TRUE(std::isfinite(form.Trace1[i])) << i;
            ASSERT_LE(std::fabs(form.Trace1[i]), 1000.0) << i;
        }
        ASSERT_TRUE(std::isfinite(form.Shape1[0].top()));
    }

    Form1 form;
};

// --- PlotTrace ---------------------------------------------------------------------------------

TEST_F(WaveTest, PlotTraceDrawsFlatZeroLineForZeroSamples) {
    choose("none");
    for (int i = 0; i <= 96; ++i) form.Trace1[i] = 0;
    for (int i = 0; i <= 95; ++i) form.lnePlot[i].setVisible(true);
    PlotTrace(form.lnePlot, form.Trace1, 96, 0, 3000, 2000);
    for (int i = 0; i <= 94; ++i) {
        EXPECT_TRUE(form.lnePlot[i].visible());
        EXPECT_EQ(form.lnePlot[i].y1(), 3000.0f);
        EXPECT_EQ(form.lnePlot[i].y2(), 3000.0f);
    }
    EXPECT_FALSE(form.lnePlot[95].visible()) << "segment 95 is written, then hidden";
    EXPECT_FALSE(form.lnePlot[96].visible());
}

TEST_F(WaveTest, PlotTraceJoinsSegmentsAndWritesOnlyY) {
    choose("Plane Wave");
    for (int i = 0; i <= 96; ++i) form.Trace1[i] = i / 100.0;
    form.Trace1[0] = 0.5;
    form.Trace1[1] = -0.5;
    form.Trace1[96] = std::nan("");  // never read
    PlotTrace(form.lnePlot, form.Trace1, 96, 0, 3000, 2000);
    EXPECT_EQ(form.lnePlot[0].y1(), 4000.0f);
    EXPECT_EQ(form.lnePlot[0].y2(), 4000.0f) << "segment 0 is flat at values(0)";
    EXPECT_EQ(form.lnePlot[1].y1(), 4000.0f);
    EXPECT_EQ(form.lnePlot[1].y2(), 2000.0f);
    for (int k = 1; k <= 94; ++k) {
        EXPECT_EQ(form.lnePlot[k].y1(), form.lnePlot[k - 1].y2()) << "joint " << k;
        EXPECT_EQ(form.lnePlot[k].x1(), 120.0f * (k + 1)) << "X is never written";
    }
    EXPECT_FLOAT_EQ(form.lnePlot[95].y2(), 3000 + 2000 * 0.95f);
}

TEST_F(WaveTest, PlotTraceStartShiftsOnlyTheLoopSamples) {
    choose("none");
    for (int i = 0; i <= 96; ++i) form.Trace1[i] = i;
    PlotTrace(form.lnePlot, form.Trace1, 96, 2, 0, 1);
    EXPECT_EQ(form.lnePlot[0].y1(), 0.0f) << "the left end still takes values(0)";
    for (int i = 0; i <= 94; ++i) EXPECT_EQ(form.lnePlot[i].y2(), i + 2.0f) << i;
    EXPECT_EQ(form.lnePlot[95].y2(), 95.0f) << "the last end takes values(count - 1)";
}

// --- Plane wave --------------------------------------------------------------------------------

TEST_F(WaveTest, PlaneWaveStartsWithItsListsAndRowsShown) {
    choose("Phasors");  // hides both option rows
    choose("Plane Wave");
    EXPECT_EQ(form.lblOne.caption(), "Wavelength");
    EXPECT_EQ(form.lblTwo.caption(), "Attenuation");
    EXPECT_EQ(form.cmbOne.items(), (std::vector<std::string>{"0.5", "1.0", "2.0", "5.0", "10.0"}));
    EXPECT_EQ(form.cmbTwo.items(),
              (std::vector<std::string>{"0.0", "0.1", "0.2", "0.5", "1.0", "2.0", "5.0"}));
    EXPECT_EQ(form.cmbOne.text(), "1.0");
    EXPECT_EQ(form.cmbTwo.text(), "1.0");
    EXPECT_EQ(form.cmbOne.textColour(), Colour(0xFF0000));
    EXPECT_EQ(form.OptionValue, 1.0);
    for (const Control* shown : std::initializer_list<const Control*>{&form.lblOne, &form.cmbOne,
                                                                      &form.lblTwo, &form.cmbTwo}) {
        EXPECT_TRUE(shown->visible()) << shown->name();
    }
    for (const Control* hidden : std::initializer_list<const Control*>{
             &form.lblThree, &form.lblFour, &form.hscPhase, &form.Shape1[0], &form.cmdHist}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
    EXPECT_EQ(form.FrameCount, 0.0);
    EXPECT_TRUE(form.tmrOne.enabled());
    for (int i = 0; i <= 94; ++i) {
        EXPECT_TRUE(form.lnePlot[i].visible());
        EXPECT_EQ(form.lnePlot[i].x1(), 120.0f * (i + 1));
        EXPECT_EQ(form.lnePlot[i].x2(), 120.0f * (i + 2));
        EXPECT_EQ(form.lnePlot[i].borderColour(), Colour(0x008000));
    }
    EXPECT_FALSE(form.lnePlot[95].visible()) << "95 visible segments after the first frame";
}

TEST_F(WaveTest, PlaneWaveSamplesAtFrameZero) {
    chooseAgain("Plane Wave");  // the first frame now reads "1.0" and "1.0"
    EXPECT_DOUBLE_EQ(form.Trace1[24], std::exp(-24 / 50.0)) << "the damped crest";
    EXPECT_NEAR(form.Trace1[28], -std::exp(-28 / 50.0), 1e-12);
    EXPECT_NEAR(form.Trace1[26], 0.0, 1e-7) << "cos of pi / 2 with the eight-digit pi";
    for (int i = 0; i <= 95; ++i) {
        EXPECT_NEAR(form.Trace1[i], planeWaveSample(i, 0, 1, 1), 1e-12) << i;
    }
    EXPECT_FLOAT_EQ(form.lnePlot[24].y2(), static_cast<float>(3000 + 2000 * std::exp(-0.48)))
        << "a crest lies 2000 twips below the zero line, damped";
    expectMarkerOnJoint49();
}

TEST_F(WaveTest, PlaneWaveFirstFrameReadsTheTextsOfThePreviousDemo) {
    choose("Rayleigh");
    form.cmbTwo.setText("0.2");  // hidden there, but its text stays
    choose("Plane Wave");
    // "One" gives a wavelength of 0: the divisor is 1e-8.
    for (int i = 0; i <= 95; ++i) {
        EXPECT_NEAR(form.Trace1[i], planeWaveSample(i, 0, 0, 0.2), 1e-9) << i;
    }
    tick();
    for (int i = 0; i <= 95; ++i) {
        EXPECT_NEAR(form.Trace1[i], planeWaveSample(i, 1, 1, 1), 1e-12) << i;
    }
}

TEST_F(WaveTest, PlaneWaveMovesOneSegmentPerTickAndRepeatsEveryEightTicks) {
    form.cmbTwo.setText("0.0");
    tick(3);
    const TraceArray before = form.Trace1;
    tick();
    for (int i = 1; i <= 95; ++i) EXPECT_NEAR(form.Trace1[i], before[i - 1], 1e-9) << i;
    const std::vector<float> picture = traceYs();
    tick(7);
    EXPECT_NE(traceYs(), picture);
    tick();
    const std::vector<float> again = traceYs();
    for (std::size_t k = 0; k < picture.size(); ++k) EXPECT_NEAR(again[k], picture[k], 1e-3);
}

TEST_F(WaveTest, PlaneWaveFollowsTheListsAtTheNextTick) {
    struct Case {
        const char* wavelength;
        const char* attenuation;
        double lambda, alpha;
    };
    const Case cases[] = {{"0.5", "0.0", 0.5, 0.0}, {"10.0", "5.0", 10, 5},
                          {"2.0", "0.1", 2, 0.1},   {"0", "abc", 0, 0},
                          {"abc", "-1", 0, -1},     {"  5e-1", "2", 0.5, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.wavelength) + " / " + c.attenuation);
        form.cmbOne.setText(c.wavelength);
        form.cmbTwo.setText(c.attenuation);
        tick();
        for (int i = 0; i <= 95; ++i) {
            EXPECT_NEAR(form.Trace1[i], planeWaveSample(i, form.FrameCount, c.lambda, c.alpha),
                        1e-9)
                << i;
        }
    }
    form.cmbTwo.setText("5.0");
    tick();
    for (int i = 25; i <= 95; ++i) EXPECT_LT(std::fabs(form.Trace1[i]), 0.1) << i;
}

TEST_F(WaveTest, PlaneWaveNeverWritesSample96AndKeepsTheMarkerHidden) {
    form.Trace1[96] = 42;
    tick(5);
    EXPECT_EQ(form.Trace1[96], 42);
    EXPECT_FALSE(form.Shape1[0].visible());
    expectMarkerOnJoint49();
}

TEST_F(WaveTest, PauseFreezesThePictureAndStartContinues) {
    tick(2);
    form.cmdStart.click();
    const std::vector<float> frozen = traceYs();
    tick(5);
    EXPECT_EQ(traceYs(), frozen);
    form.cmdStart.click();
    tick();
    EXPECT_EQ(form.FrameCount, 3.0);
}

// Typed texts at which the arithmetic would fail keep every sample finite and on the screen's
// side of a thousand crests.
struct BadInput {
    const char* demo;
    const char* one;
    const char* two;
};
void PrintTo(const BadInput& c, std::ostream* os) {
    *os << c.demo << ", \"" << c.one << "\", \"" << c.two << '"';
}

class WaveBadInput : public WaveTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(WaveBadInput, KeepsEverySampleFinite) {
    choose(GetParam().demo);
    form.cmbOne.setText(GetParam().one);
    form.cmbTwo.setText(GetParam().two);
    for (int frame = 0; frame < 30; ++frame) {
        tick();
        expectAllCoordinatesFinite();
    }
    chooseAgain(GetParam().demo);
    expectAllCoordinatesFinite();
}

INSTANTIATE_TEST_SUITE_P(TypedTexts, WaveBadInput,
                         ::testing::Values(BadInput{"Plane Wave", "1.0", "-400"},
                                           BadInput{"Plane Wave", "1", "-1e999"},
                                           BadInput{"Plane Wave", "-0.00000001", "1.0"},
                                           BadInput{"Plane Wave", "1e-300", "0"},
                                           BadInput{"Plane Wave", "1e999", "1e999"},
                                           BadInput{"Plane Wave", "-1e999", "-1e308"},
                                           BadInput{"Group Velocity", "1e308", "1e308"},
                                           BadInput{"Group Velocity", "-1e999", "1e999"},
                                           BadInput{"Group Velocity", "1e300", "-4e307"}),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                             return spelledName(info.param.demo) + "_" +
                                    spelledName(info.param.one) + "_and_" +
                                    spelledName(info.param.two);
                         });

TEST_F(WaveTest, PlaneWaveAtAZeroDivisorDrawsTheZeroLine) {
    form.cmbOne.setText("-0.00000001");
    tick();
    for (int i = 0; i <= 94; ++i) {
        EXPECT_EQ(form.Trace1[i], 0.0) << i;
        EXPECT_EQ(form.lnePlot[i].y2(), 3000.0f) << i;
    }
}

TEST_F(WaveTest, PlaneWaveHoldsAGrowingAmplitudeAtAThousandCrests) {
    form.cmbTwo.setText("-5");  // the amplitude grows to exp(9.5) at the right end
    tick();
    int held = 0;
    for (int i = 0; i <= 95; ++i) {
        const double expected = planeWaveSample(i, 1, 1, -5);
        if (std::fabs(expected) <= 1000) {
            EXPECT_NEAR(form.Trace1[i], expected, 1e-9) << i;
        } else {
            EXPECT_EQ(form.Trace1[i], std::copysign(1000.0, expected)) << i;
            ++held;
        }
    }
    EXPECT_GT(held, 0);

    form.cmbTwo.setText("-400");  // exp(760) is beyond the double range
    tick();
    EXPECT_EQ(std::fabs(form.Trace1[94]), 1000.0);
    EXPECT_FLOAT_EQ(form.lnePlot[94].y2(), 3000 + 2000 * static_cast<float>(form.Trace1[94]));
}

// --- Group velocity ----------------------------------------------------------------------------

TEST_F(WaveTest, GroupVelocitySetUpShowsTheMarkerAndDrawsAtOnce) {
    choose("Phasors");
    choose("Group Velocity");
    EXPECT_EQ(form.lblOne.caption(), "Group Velocity");
    EXPECT_EQ(form.lblTwo.caption(), "Phase Velocity");
    const std::vector<std::string> velocities = {"0.0", "0.1", "0.2", "0.5",
                                                 "1.0", "2.0", "5.0", "10.0"};
    EXPECT_EQ(form.cmbOne.items(), velocities);
    EXPECT_EQ(form.cmbTwo.items(), velocities);
    EXPECT_TRUE(form.lblOne.visible() && form.cmbOne.visible() && form.lblTwo.visible() &&
                form.cmbTwo.visible());
    EXPECT_FALSE(form.lblThree.visible() || form.lblFour.visible() || form.hscPhase.visible());
    EXPECT_TRUE(form.Shape1[0].visible());
    EXPECT_FALSE(form.Shape1[1].visible());
    EXPECT_EQ(form.FrameCount, 0.0);
    EXPECT_EQ(form.Trace1[24], 1.0) << "envelope and carrier at their peaks";
    EXPECT_NEAR(form.Trace1[28], std::cos(4 * kPi / 30) * std::cos(kPi), 1e-12);
    EXPECT_NEAR(form.Trace1[28], -0.9135, 1e-4);
    EXPECT_EQ(form.Trace1[50], 0.0) << "a gap";
    for (int i : {9, 39, 69}) EXPECT_NEAR(form.Trace1[i], 0.0, 1e-7) << i;
    EXPECT_FALSE(form.lnePlot[95].visible());
    expectMarkerOnJoint49();
    EXPECT_EQ(form.Shape1[0].top() + form.Shape1[0].height() / 2, 3000.0f)
        << "the marker rests on the zero line while a gap passes";
}

TEST_F(WaveTest, GroupVelocityFollowsBothVelocities) {
    choose("Group Velocity");
    const std::pair<const char*, const char*> cases[] = {
        {"1.0", "1.0"}, {"0.0", "1.0"}, {"1.0", "0.0"}, {"2.0", "0.5"}, {"-3", "10.0"}};
    for (const auto& [group, phase] : cases) {
        SCOPED_TRACE(std::string(group) + " / " + phase);
        form.cmbOne.setText(group);
        form.cmbTwo.setText(phase);
        tick();
        for (int i = 0; i <= 95; ++i) {
            EXPECT_NEAR(form.Trace1[i],
                        groupVelocitySample(i, form.FrameCount, std::stod(group), std::stod(phase)),
                        1e-12)
                << i;
        }
        expectMarkerOnJoint49();
    }
}

TEST_F(WaveTest, GroupVelocityRepeatsEveryTwelveTicksAtTen) {
    choose("Group Velocity");
    form.cmbOne.pick(7);
    form.cmbTwo.pick(7);
    ASSERT_EQ(form.OptionValue, 10.0);
    tick();
    const std::vector<float> picture = traceYs();
    tick(11);
    EXPECT_NE(traceYs(), picture);
    tick();
    const std::vector<float> again = traceYs();
    for (std::size_t k = 0; k < picture.size(); ++k) EXPECT_NEAR(again[k], picture[k], 1e-2);
}

TEST_F(WaveTest, GroupVelocityWordsStopTheGroupsOrTheCarrier) {
    choose("Group Velocity");
    form.cmbOne.setText("fast");
    EXPECT_EQ(form.OptionValue, 0.0);
    for (int frame = 0; frame < 20; ++frame) {
        tick();
        for (int i = 40; i <= 68; ++i) ASSERT_EQ(form.Trace1[i], 0.0) << "the gap stands still";
    }
    form.cmbTwo.setText("fast");
    tick();
    const TraceArray frozen = form.Trace1;
    tick(3);
    for (int i = 0; i <= 95; ++i) EXPECT_EQ(form.Trace1[i], frozen[i]) << "both stand still";
}

TEST_F(WaveTest, ChoosingAWaveDemoAgainRestartsItWithDefaultOptions) {
    for (const char* name : {"Plane Wave", "Group Velocity"}) {
        SCOPED_TRACE(name);
        choose(name);
        form.cmbOne.setText("5.0");
        form.cmbTwo.setText("0.1");
        tick(4);
        form.cmdStart.click();
        form.cmbDemo.pick(name == std::string("Plane Wave") ? 2 : 0);
        EXPECT_EQ(form.FrameCount, 0.0);
        EXPECT_EQ(form.cmbOne.text(), "1.0");
        EXPECT_EQ(form.cmbTwo.text(), "1.0");
        EXPECT_EQ(form.OptionValue, 1.0);
        EXPECT_TRUE(form.tmrOne.enabled());
        EXPECT_EQ(form.cmdStart.caption(), "Pause");
    }
}

}  // namespace
