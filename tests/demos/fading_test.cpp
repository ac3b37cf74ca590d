#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/param_names.h"
#include "ui/uniform_random.h"

namespace {

constexpr double kPi = 3.1415926;
constexpr float kOriginX = 3540;  // the axes cross here; every chain starts at this point
constexpr float kOriginY = 3600;
constexpr float kBaseline = 3360;  // Line4.Y1, the bottom of every bar

// What one fading set-up draws, recomputed with a generator of our own in the documented order:
// per segment three colour channels, then a length (none for segment 0 in "Ricean"), then a phase.
struct SetUpDraws {
    std::array<Colour, 97> colours{};
    std::array<double, 97> lengths{};  // NaN where nothing is written
    std::array<double, 97> phases{};
};

// A colour channel: u x 255 rounded to the nearest, halves to even.
int channel(double u) {
    return static_cast<int>(std::nearbyint(u * 255));
}
double angle(double u) {
    return 2 * u * kPi - kPi;
}

SetUpDraws drawSetUp(UniformRandom& random, bool ricean, int fixedValue) {
    SetUpDraws d;
    for (int i = 0; i <= 96; ++i) {
        const int red = channel(random.next());
        const int green = channel(random.next());
        const int blue = channel(random.next());
        d.colours[i] = Colour(static_cast<std::uint32_t>(blue << 16 | green << 8 | red));
        if (!ricean) {
            d.lengths[i] = random.next() * 300 + 150;
        } else if (i == 1) {
            d.lengths[i] = fixedValue * 2000 / 10.0;
        } else if (i >= 2) {
            d.lengths[i] = random.next() * 150 + 100;
        } else {
            d.lengths[i] = std::numeric_limits<double>::quiet_NaN();
        }
        d.phases[i] = angle(random.next());
    }
    return d;
}

int rayCountOf(const std::string& text) {
    const std::pair<const char*, int> words[] = {
        {"One", 1}, {"Two", 2}, {"Three", 3}, {"Five", 5}, {"Ten", 10}};
    for (const auto& [word, count] : words) {
        if (text == word) {
            return count;
        }
    }
    return 0;
}

double envelopeOf(const Form1& form) {
    const Line& r = form.lnePol[5];
    return std::hypot(double{r.x1()} - r.x2(), double{r.y1()} - r.y2());
}
int binOf(double envelope) {
    return static_cast<int>(std::floor(envelope / 2000 * 20 + 0.5));
}
double sumOf(const ValueArray<32>& bins) {
    return std::accumulate(bins.begin(), bins.end(), 0.0);
}

// The chain as any frame must leave it: rays 1..N shown, head to tail from the origin, every joint
// a whole twip, and the resultant closing the chain back to the start of ray 1.
void expectChain(const Form1& form, int rays) {
    for (int i = 0; i <= 96; ++i) {
        ASSERT_EQ(form.lnePlot[i].visible(), i >= 1 && i <= rays) << "segment " << i;
    }
    float x = kOriginX, y = kOriginY;
    for (int i = 1; i <= rays; ++i) {
        const Line& ray = form.lnePlot[i];
        ASSERT_EQ(ray.x1(), x) << "ray " << i;
        ASSERT_EQ(ray.y1(), y) << "ray " << i;
        ASSERT_EQ(ray.x2(), std::round(ray.x2())) << "ray " << i;
        ASSERT_EQ(ray.y2(), std::round(ray.y2())) << "ray " << i;
        x = ray.x2();
        y = ray.y2();
    }
    const Line& resultant = form.lnePol[5];
    ASSERT_TRUE(resultant.visible());
    ASSERT_EQ(resultant.x1(), x);
    ASSERT_EQ(resultant.y1(), y);
    ASSERT_EQ(resultant.x2(), form.lnePlot[1].x1());
    ASSERT_EQ(resultant.y2(), form.lnePlot[1].y1());
}

class FadingTest : public ::testing::Test {
protected:
    void SetUp() override { form.load(); }
    void choose(const std::string& name) { form.cmbDemo.setText(name); }
    void rays(const std::string& text) { form.cmbOne.setText(text); }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }

    Form1 form;
    UniformRandom reference;  // fresh, as the form's own is at creation
};

// --- Set-up --------------------------------------------------------------------------------------

struct DemoCase {
    const char* name;
    bool ricean;
};
void PrintTo(const DemoCase& c, std::ostream* os) {
    *os << c.name;
}

class FadingSetUpTest : public FadingTest, public ::testing::WithParamInterface<DemoCase> {};

TEST_P(FadingSetUpTest, SetUpDrawsColourLengthPhaseInOrderAndAgainOnEverySelection) {
    form.hscFixed.setValue(7);
    form.Trace1[0] = -1;  // "Ricean" writes no length for segment 0
    const auto expectDraws = [&](const DemoCase& demo, const SetUpDraws& want) {
        SCOPED_TRACE(demo.name);
        for (int i = 0; i <= 96; ++i) {
            EXPECT_EQ(form.lnePlot[i].borderColour(), want.colours[i]) << "segment " << i;
            if (!std::isnan(want.lengths[i])) {
                EXPECT_EQ(form.Trace1[i], want.lengths[i]) << "segment " << i;
            }
            EXPECT_EQ(form.Trace2[i], want.phases[i]) << "segment " << i;
        }
    };
    const DemoCase demo = GetParam();
    const DemoCase other = demo.ricean ? DemoCase{"Rayleigh", false} : DemoCase{"Ricean", true};
    choose(demo.name);
    expectDraws(demo, drawSetUp(reference, demo.ricean, 7));
    if (demo.ricean) {
        EXPECT_EQ(form.Trace1[0], -1.0);
    }
    choose(other.name);
    expectDraws(other, drawSetUp(reference, other.ricean, 7));
    form.cmbDemo.pick(demo.ricean ? 4 : 3);
    form.cmbDemo.pick(demo.ricean ? 4 : 3);  // the shown demonstration, picked again
    drawSetUp(reference, demo.ricean, 7);    // what the first pick drew
    expectDraws(demo, drawSetUp(reference, demo.ricean, 7));
}

TEST_P(FadingSetUpTest, SetUpShowsItsControlsButDrawsNoFrame) {
    form.hscRate.setValue(12);
    form.hscFixed.setValue(3);
    for (int i = 0; i < 32; ++i) form.HistBins[i] = i + 1;
    const double frames = form.FrameCount;
    const bool ricean = GetParam().ricean;
    choose(GetParam().name);

    EXPECT_EQ(form.Line1.box(), (RectF{360, 3600, 6540, 0}));
    EXPECT_EQ(form.Line2.box(), (RectF{3540, 660, 0, 5520}));
    EXPECT_TRUE(form.Line1.visible() && form.Line2.visible());
    for (const Line& pol : form.lnePol) {
        EXPECT_EQ(pol.borderWidth(), 1) << pol.name();
        EXPECT_TRUE(pol.drawnDotted()) << pol.name();
    }
    EXPECT_TRUE(form.cmdHist.visible() && form.hscRate.visible() && form.lblRate.visible());
    EXPECT_EQ(form.lblFixed.visible(), ricean);
    EXPECT_EQ(form.hscFixed.visible(), ricean);
    for (const Control* c : std::initializer_list<const Control*>{
             &form.lblTwo, &form.cmbTwo, &form.lblThree, &form.lblFour, &form.hscPhase}) {
        EXPECT_FALSE(c->visible()) << c->name();
    }
    EXPECT_TRUE(form.lblOne.visible() && form.cmbOne.visible());
    EXPECT_EQ(form.lblOne.caption(), "No. of Rays");
    EXPECT_EQ(form.cmbOne.items(),
              (std::vector<std::string>{"One", "Two", "Three", "Five", "Ten"}));
    EXPECT_EQ(form.cmbOne.text(), "One");
    EXPECT_EQ(form.cmbOne.textColour(), Colour(0xFF0000)) << "kept from \"Plane Wave\"";
    EXPECT_EQ(sumOf(form.HistBins), 0.0);

    EXPECT_EQ(form.hscRate.value(), 12);
    EXPECT_EQ(form.hscFixed.value(), 3);
    if (ricean) {
        EXPECT_EQ(form.Trace1[1], 600.0) << "200 twips per step of hscFixed";
    }
    EXPECT_EQ(form.FrameCount, frames);
    for (int i = 0; i <= 96; ++i) EXPECT_FALSE(form.lnePlot[i].visible()) << "segment " << i;
    EXPECT_FALSE(form.lnePol[5].visible()) << "the chain waits for the first tick";
}

// The fading set-up writes no text colour: the list of rays keeps the dark green that
// "Polarisation" gave it, as it keeps the bright blue of "Plane Wave".
TEST_P(FadingSetUpTest, SetUpKeepsTheDarkGreenListColourThatPolarisationGave) {
    choose("Polarisation");
    ASSERT_EQ(form.cmbOne.textColour(), Colour(0x008000));
    choose(GetParam().name);
    EXPECT_EQ(form.cmbOne.textColour(), Colour(0x008000));
}

// --- Frames --------------------------------------------------------------------------------------

struct Step {
    const char* rays;
    int rate;
    int fixed;
    int ticks;
};

// Replays the frames with our own generator: one phase step per drawn ray, in ray order, scaled by
// (rate + 1) / 100; the pen rounded after every ray. A ray that is not drawn takes no step.
TEST_P(FadingSetUpTest, FramesStepEachDrawnRayOnceAndRoundThePenAtEveryJoint) {
    const bool ricean = GetParam().ricean;
    choose(GetParam().name);
    SetUpDraws rays = drawSetUp(reference, ricean, 5);
    const Step script[] = {{"One", 0, 5, 3},  {"Ten", 20, 5, 4}, {"Three", 7, 10, 3},
                           {"4", 7, 10, 2},   {"Two", 20, 0, 3}, {"Ten", 0, 2, 3},
                           {"Five", 13, 8, 2}};
    for (const Step& s : script) {
        form.cmbOne.setText(s.rays);
        form.hscRate.setValue(s.rate);
        form.hscFixed.setValue(s.fixed);
        for (int t = 0; t < s.ticks; ++t) {
            SCOPED_TRACE(std::string(s.rays) + " tick " + std::to_string(t));
            form.tmrOne.tick();
            if (ricean) {
                rays.lengths[1] = s.fixed * 200.0;  // read afresh at every frame
            }
            const double scale = (s.rate + 1) * 0.1 / 10;
            double x = kOriginX, y = kOriginY;
            for (int i = 1; i <= rayCountOf(s.rays); ++i) {
                rays.phases[i] += angle(reference.next()) * scale;
                x = std::nearbyint(std::cos(rays.phases[i]) * rays.lengths[i] + x);
                y = std::nearbyint(std::sin(rays.phases[i]) * rays.lengths[i] + y);
                ASSERT_EQ(form.lnePlot[i].x2(), x) << "ray " << i;
                ASSERT_EQ(form.lnePlot[i].y2(), y) << "ray " << i;
            }
            expectChain(form, rayCountOf(s.rays));
            for (int i = 1; i <= 10; ++i) ASSERT_DOUBLE_EQ(form.Trace2[i], rays.phases[i]) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FadingBothDemos, FadingSetUpTest,
                         ::testing::Values(DemoCase{"Rayleigh", false}, DemoCase{"Ricean", true}),
                         [](const ::testing::TestParamInfo<DemoCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(FadingTest, RayleighSingleRayEnvelopeStaysWithinATwipOfItsLength) {
    choose("Rayleigh");
    form.hscRate.setValue(20);
    form.cmdHist.click();
    for (int t = 0; t < 200; ++t) {
        tick();
        ASSERT_NEAR(envelopeOf(form), form.Trace1[1], 1.0) << "tick " << t;
    }
    const int low = binOf(form.Trace1[1] - 1), high = binOf(form.Trace1[1] + 1);
    EXPECT_EQ(form.HistBins[low] + (high != low ? form.HistBins[high] : 0.0), 200.0);
}

class RiceanDirectRayTest : public FadingTest, public ::testing::WithParamInterface<int> {};

TEST_P(RiceanDirectRayTest, SingleDirectRayCountsIntoBinTwiceTheFixedValue) {
    const int v = GetParam();
    form.hscFixed.setValue(v);
    choose("Ricean");
    form.hscRate.setValue(20);
    form.cmdHist.click();
    for (int t = 0; t < 50; ++t) {
        tick();
        ASSERT_NEAR(envelopeOf(form), 200.0 * v, 1.0) << "tick " << t;
        if (v == 0) {
            ASSERT_EQ(envelopeOf(form), 0.0);
        }
    }
    EXPECT_EQ(form.HistBins[2 * v], 50.0);
    EXPECT_EQ(sumOf(form.HistBins), 50.0);
}

INSTANTIATE_TEST_SUITE_P(RiceanFixedValues, RiceanDirectRayTest, ::testing::Values(0, 1, 3, 5, 10),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Fixed_" + std::to_string(info.param);
                         });

TEST_F(FadingTest, RiceanDirectRayFollowsFixedAtTheNextFrameOnly) {
    choose("Ricean");
    tick();
    form.hscFixed.setValue(8);
    EXPECT_NEAR(envelopeOf(form), 1000.0, 1.0) << "nothing moves between frames";
    tick();
    EXPECT_EQ(form.Trace1[1], 1600.0);
    EXPECT_NEAR(envelopeOf(form), 1600.0, 1.0);
}

class FadingUnknownRayTextTest : public FadingTest,
                                 public ::testing::WithParamInterface<const char*> {};

TEST_P(FadingUnknownRayTextTest, TextNamingNoCountDrawsNoRayAndEnvelopeZero) {
    choose("Rayleigh");
    rays("Ten");
    tick(3);
    const TraceArray phases = form.Trace2;
    form.cmdHist.click();
    rays(GetParam());
    tick(2);
    expectChain(form, 0);
    EXPECT_EQ(form.lnePol[5].box(), (RectF{kOriginX, kOriginY, 0, 0}));
    EXPECT_EQ(form.HistBins[0], 2.0) << "the envelope is 0";
    for (int i = 0; i <= 96; ++i) EXPECT_EQ(form.Trace2[i], phases[i]) << "ray " << i;
}

INSTANTIATE_TEST_SUITE_P(FadingTexts, FadingUnknownRayTextTest,
                         ::testing::Values("one", "4", "Ten ", " Two", "TEN", "", "10"),
                         SpelledParamName());

TEST_F(FadingTest, EveryChangeOfRayTextHidesAllRaySegmentsAndNoOthers) {
    choose("Ricean");
    for (const char* text : {"T", "Te", "Ten", "Five", "x", "One"}) {
        for (int i = 0; i < 192; ++i) form.lnePlot[i].setVisible(true);
        rays(text);
        for (int i = 0; i <= 96; ++i) ASSERT_FALSE(form.lnePlot[i].visible()) << text << " " << i;
        for (int i = 97; i < 192; ++i) ASSERT_TRUE(form.lnePlot[i].visible()) << text << " " << i;
        tick();
        expectChain(form, rayCountOf(text));
    }
}

TEST_F(FadingTest, RaysThatAreNotDrawnDoNotWander) {
    choose("Rayleigh");
    rays("Ten");
    tick(5);
    const TraceArray lengths = form.Trace1, phases = form.Trace2;
    std::array<Colour, 11> colours{};
    for (int i = 1; i <= 10; ++i) colours[i] = form.lnePlot[i].borderColour();
    rays("Two");
    tick(20);
    rays("Ten");
    for (int i = 3; i <= 10; ++i) {
        EXPECT_EQ(form.Trace2[i], phases[i]) << "ray " << i << " moved while hidden";
    }
    tick();
    for (int i = 3; i <= 10; ++i) {
        const Line& ray = form.lnePlot[i];
        EXPECT_EQ(ray.borderColour(), colours[i]) << "ray " << i;
        EXPECT_EQ(form.Trace1[i], lengths[i]) << "ray " << i;
        EXPECT_NEAR(form.Trace2[i], phases[i], 0.0314159266) << "ray " << i;
        EXPECT_NEAR(std::hypot(ray.x2() - ray.x1(), ray.y2() - ray.y1()), lengths[i], 1.5) << i;
    }
}

class FadingPhaseStepTest : public FadingTest, public ::testing::WithParamInterface<int> {};

// Each step is uniform within +-pi (rate + 1) / 100: the steps must stay inside that range and,
// over 3000 steps, reach beyond 90 % of it on both sides.
TEST_P(FadingPhaseStepTest, PhaseStepsFillTheRangeThatTheSpeedSets) {
    const int rate = GetParam();
    const double bound = kPi * (rate + 1) / 100;
    choose("Rayleigh");
    rays("Ten");
    form.hscRate.setValue(rate);
    double smallest = 0, largest = 0;
    for (int t = 0; t < 300; ++t) {
        const TraceArray before = form.Trace2;
        tick();
        for (int i = 1; i <= 10; ++i) {
            const double step = form.Trace2[i] - before[i];
            ASSERT_LE(std::fabs(step), bound + 1e-12) << "ray " << i;
            smallest = std::min(smallest, step);
            largest = std::max(largest, step);
        }
    }
    EXPECT_LT(smallest, -0.9 * bound);
    EXPECT_GT(largest, 0.9 * bound);
}

INSTANTIATE_TEST_SUITE_P(FadingSpeeds, FadingPhaseStepTest, ::testing::Values(0, 1, 10, 20),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Speed_" + std::to_string(info.param);
                         });

// The same clicks at the same ticks, in two windows.
void playScript(Form1& form) {
    form.load();
    form.cmbDemo.setText("Rayleigh");
    form.cmbOne.setText("Five");
    for (int i = 0; i < 7; ++i) form.tmrOne.tick();
    form.hscRate.setValue(20);
    form.cmdHist.click();
    for (int i = 0; i < 30; ++i) form.tmrOne.tick();
    form.cmbDemo.pick(4);
    form.cmdHist.click();
    form.cmbOne.setText("Ten");
    form.hscFixed.setValue(9);
    for (int i = 0; i < 20; ++i) form.tmrOne.tick();
    form.cmdStart.click();
    for (int i = 0; i < 5; ++i) form.tmrOne.tick();
    form.cmdStart.click();
    form.cmbOne.setText("Two");
    for (int i = 0; i < 10; ++i) form.tmrOne.tick();
}

TEST(FadingDeterminism, TwoWindowsGivenTheSameEventsShowTheSameState) {
    Form1 a, b;
    playScript(a);
    playScript(b);
    for (int i = 0; i <= 96; ++i) {
        EXPECT_EQ(a.lnePlot[i].borderColour(), b.lnePlot[i].borderColour()) << i;
        EXPECT_EQ(a.lnePlot[i].box(), b.lnePlot[i].box()) << i;
        EXPECT_EQ(a.lnePlot[i].visible(), b.lnePlot[i].visible()) << i;
        EXPECT_EQ(a.Trace1[i], b.Trace1[i]) << i;
        EXPECT_EQ(a.Trace2[i], b.Trace2[i]) << i;
    }
    EXPECT_EQ(a.lnePol[5].box(), b.lnePol[5].box());
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(a.HistBins[k], b.HistBins[k]) << k;
        EXPECT_EQ(a.shpHist[k].box(), b.shpHist[k].box()) << k;
        EXPECT_EQ(a.shpHist[k].fillColour(), b.shpHist[k].fillColour()) << k;
    }
    EXPECT_GT(sumOf(a.HistBins), 0.0) << "the script counts frames";
}

using EndPoints = std::array<float, 4>;  // X1, Y1, X2, Y2
EndPoints endPoints(const Line& line) {
    return {line.x1(), line.y1(), line.x2(), line.y2()};
}

// A paused tick takes nothing from the generator: a window paused between its frames, given
// timer periods and a tick that was already due, draws after its resume the same chain as a
// window that never paused, after the same number of drawn frames.
TEST(FadingPause, PausedTicksDrawNoRandomNumbers) {
    for (const char* demo : {"Rayleigh", "Ricean"}) {
        SCOPED_TRACE(demo);
        Form1 paused, steady;
        for (Form1* form : {&paused, &steady}) {
            form->load();
            form->cmbDemo.setText(demo);
            form->cmbOne.setText("Ten");
            form->hscRate.setValue(20);
            for (int i = 0; i < 4; ++i) form->tmrOne.tick();
        }
        std::array<EndPoints, 11> rays{};
        for (int i = 1; i <= 10; ++i) rays[i] = endPoints(paused.lnePlot[i]);
        paused.cmdStart.click();
        ASSERT_EQ(paused.cmdStart.caption(), "Start");
        for (int i = 0; i < 5; ++i) {
            paused.tmrOne.tick();
            paused.tmrOne_Timer();
        }
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(endPoints(paused.lnePlot[i]), rays[i])
                << "ray " << i << " moved while paused";
        }
        paused.cmdStart.click();
        for (int i = 0; i < 6; ++i) {
            paused.tmrOne.tick();
            steady.tmrOne.tick();
        }
        ASSERT_EQ(paused.FrameCount, steady.FrameCount);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(endPoints(paused.lnePlot[i]), endPoints(steady.lnePlot[i])) << "ray " << i;
        }
        EXPECT_EQ(endPoints(paused.lnePol[5]), endPoints(steady.lnePol[5]));
    }
}

// --- Histogram -----------------------------------------------------------------------------------

struct Bar {
    float top, height;
    Colour colour;
    friend bool operator==(const Bar&, const Bar&) = default;
};
using BarPicture = std::array<Bar, 32>;

class HistogramTest : public FadingTest {
protected:
    BarPicture bars() const {
        BarPicture out{};
        for (int k = 0; k < 32; ++k) {
            const Shape& s = form.shpHist[k];
            out[k] = {s.top(), s.height(), s.fillColour()};
        }
        return out;
    }
    // The picture of one counted frame: the tallest count 3000 twips high, the others in
    // proportion, every bar standing on the baseline, teal but for the bin just counted.
    void expectBars(const std::array<double, 32>& counts, int counted) const {
        const double peak = *std::max_element(counts.begin(), counts.end());
        for (int k = 0; k < 32; ++k) {
            const Shape& bar = form.shpHist[k];
            ASSERT_TRUE(bar.visible()) << k;
            ASSERT_EQ(bar.left(), 7440.0f + 120 * k) << k;
            ASSERT_EQ(bar.width(), 135.0f) << k;
            ASSERT_FLOAT_EQ(bar.height(), static_cast<float>(3000 / peak * counts[k])) << k;
            ASSERT_FLOAT_EQ(bar.top(), kBaseline - bar.height()) << k;
            ASSERT_EQ(bar.fillColour(), Colour(k == counted ? 0xFFF000 : 0x808000)) << k;
        }
    }
};

TEST_F(HistogramTest, FirstCountedFrameShowsOneFullHighlightedBar) {
    choose("Rayleigh");
    form.cmdHist.click();
    EXPECT_TRUE(form.Line3.visible() && form.Line4.visible());
    tick();
    std::array<double, 32> counts{};
    counts[binOf(envelopeOf(form))] = 1;
    expectBars(counts, binOf(envelopeOf(form)));
}

// Ten rays at full speed; our own tally of the bins read back from the resultant, frame by frame.
TEST_F(HistogramTest, PeakBarIsAlwaysFullHeightAndTheCountedBinIsHighlighted) {
    choose("Rayleigh");
    rays("Ten");
    form.hscRate.setValue(20);
    form.cmdHist.click();
    std::array<double, 32> counts{};
    for (int t = 0; t < 400; ++t) {
        SCOPED_TRACE("tick " + std::to_string(t));
        const auto before = bars();
        tick();
        const int b = binOf(envelopeOf(form));
        if (b >= 32) {
            ASSERT_TRUE(bars() == before) << "an uncounted frame redrew the bars";
            continue;
        }
        counts[b] += 1;
        expectBars(counts, b);
        for (int k = 0; k < 32; ++k) ASSERT_EQ(form.HistBins[k], counts[k]) << k;
    }
    EXPECT_GT(std::count_if(counts.begin(), counts.end(), [](double c) { return c > 0; }), 5);
}

TEST_F(HistogramTest, PressedWhilePausedShowsTheDesignBarsUntilAFrameIsCounted) {
    choose("Ricean");
    tick(3);
    form.cmdStart.click();
    ASSERT_EQ(form.cmdStart.caption(), "Start");
    form.cmdHist.click();
    tick(4);
    for (int k = 0; k < 32; ++k) {
        const Shape& bar = form.shpHist[k];
        EXPECT_TRUE(bar.visible()) << k;
        EXPECT_EQ(bar.box(), (RectF{7440.0f + 120 * k, k == 3 ? 360.0f : 2880.0f, 135,
                                    k == 3 ? 3015.0f : 495.0f}))
            << k;
        EXPECT_EQ(bar.fillColour(), Colour(0x008000)) << k;
    }
    EXPECT_EQ(sumOf(form.HistBins), 0.0);
    form.cmdStart.click();
    tick();
    std::array<double, 32> counts{};
    counts[10] = 1;  // the direct component alone, 1000 twips
    expectBars(counts, 10);
}

TEST_F(HistogramTest, PressingAgainRestartsFromZeroCountsKeepingThePictureUntilTheNextFrame) {
    choose("Rayleigh");
    rays("Five");
    form.hscRate.setValue(20);
    form.cmdHist.click();
    tick(25);
    const auto picture = bars();
    form.cmdHist.click();
    EXPECT_EQ(sumOf(form.HistBins), 0.0);
    EXPECT_TRUE(bars() == picture) << "the bars wait for the next counted frame";
    tick();
    std::array<double, 32> counts{};
    counts[binOf(envelopeOf(form))] = 1;
    expectBars(counts, binOf(envelopeOf(form)));
}

class HistogramSwitchOffTest : public HistogramTest,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(HistogramSwitchOffTest, ChoosingAnyDemoHidesTheHistogramAndDiscardsTheCounts) {
    choose("Rayleigh");
    form.cmdHist.click();
    tick(12);
    ASSERT_EQ(sumOf(form.HistBins), 12.0);
    form.cmbDemo.setText(GetParam());
    form.cmbDemo.pick(3);  // "Rayleigh", also when it is already shown
    EXPECT_FALSE(form.Line3.visible());
    EXPECT_FALSE(form.Line4.visible());
    for (const Shape& bar : form.shpHist) EXPECT_FALSE(bar.visible()) << bar.name();
    EXPECT_EQ(sumOf(form.HistBins), 0.0);
    tick(3);
    EXPECT_EQ(sumOf(form.HistBins), 0.0) << "nothing is counted until the button is pressed";
}

INSTANTIATE_TEST_SUITE_P(HistogramAllDemos, HistogramSwitchOffTest,
                         ::testing::Values("Rayleigh", "Ricean", "Plane Wave", "Group Velocity",
                                           "Polarisation", "Phasors"),
                         SpelledParamName());

// Ten rays laid along the axis, moving by at most 0.0314 rad per frame at speed 0: 3200 twips of
// rays give an envelope above 3150 (bin 32, not counted), 3100 twips one in bin 31.
TEST_F(HistogramTest, EnvelopesOf3150TwipsOrMoreAreNotCounted) {
    choose("Rayleigh");
    rays("Ten");
    form.cmdHist.click();
    const auto align = [&](double length) {
        for (int i = 1; i <= 10; ++i) {
            form.Trace1[i] = length;
            form.Trace2[i] = 0;
        }
    };
    align(310);
    tick();
    ASSERT_EQ(binOf(envelopeOf(form)), 31);
    std::array<double, 32> counts{};
    counts[31] = 1;
    expectBars(counts, 31);
    const auto picture = bars();
    align(320);
    for (int t = 0; t < 3; ++t) {
        tick();
        ASSERT_GE(envelopeOf(form), 3150.0);
    }
    EXPECT_EQ(sumOf(form.HistBins), 1.0) << "4 frames, 1 counted";
    EXPECT_TRUE(bars() == picture) << "an uncounted frame redrew the bars";
}

// --- The envelope's distribution -----------------------------------------------------------------

// With independent phases uniform on the circle, the envelope r of rays L1..L10 has
// E[r^2] = P = sum L^2 and E[r^4] = 2 P^2 - Q, Q = sum L^4. Frozen phases, phases that share one
// step, or a ray that does not move break these moments (with phases that keep their differences,
// r is constant, so E[r^4] = E[r^2]^2, and both cannot be near P and 1.9 P^2 at once).
TEST_F(FadingTest, RayleighEnvelopeMomentsMatchIndependentUniformPhases) {
    choose("Rayleigh");
    rays("Ten");
    form.hscRate.setValue(20);
    double p = 0, q = 0;
    for (int i = 1; i <= 10; ++i) {
        p += std::pow(form.Trace1[i], 2);
        q += std::pow(form.Trace1[i], 4);
    }
    constexpr int kFrames = 200000;
    double sum2 = 0, sum4 = 0;
    for (int t = 0; t < kFrames; ++t) {
        tick();
        const double r2 = std::pow(envelopeOf(form), 2);
        sum2 += r2;
        sum4 += r2 * r2;
    }
    const double m2 = sum2 / kFrames, m4 = sum4 / kFrames;

    // Tolerances from the estimator's own spread. Every phase step is uniform on +-a, a = 0.21 pi,
    // so E[cos(k step)] = sin(k a) / (k a) <= rho = sin(a) / a = 0.929; every fluctuating term of
    // r^2 or r^4 depends on at least two phases, so its correlation after n frames is at most
    // rho^(2n), and the variance of a mean over N frames is at most var x tau / N with
    // tau = (1 + rho^2) / (1 - rho^2) = 13.6. var(r^2) = P^2 - Q exactly; var(r^4) <= E[r^8] <=
    // 24 P^4 (E[r^2k] <= k! P^k for any sum of phasors with independent uniform phases). We allow
    // five standard errors: about 4 % of P and 10 % of 2 P^2 - Q. The run is deterministic (fixed
    // seed), so it cannot flake; a sound generator would miss by chance less than once in 10^6.
    const double a = 0.21 * kPi;
    const double rho2 = std::pow(std::sin(a) / a, 2);
    const double tau = (1 + rho2) / (1 - rho2);
    const double tolerance2 = 5 * std::sqrt((p * p - q) * tau / kFrames);
    const double tolerance4 = 5 * std::sqrt((24 * p * p * p * p) * tau / kFrames);
    EXPECT_NEAR(m2, p, tolerance2);
    EXPECT_NEAR(m4, 2 * p * p - q, tolerance4);
    RecordProperty("z2", std::to_string((m2 - p) / (tolerance2 / 5)));
    RecordProperty("z4", std::to_string((m4 - (2 * p * p - q)) / (tolerance4 / 5)));
}

}  // namespace
