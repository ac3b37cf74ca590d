#include "app/lesson_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "app/tool_catalogue.h"
#include "demos/fading/fading_record.h"
#include "demos/polarisation/polarisation.h"

namespace {

using Speed = LessonState::Speed;

// Two windows given the same actions draw the same random numbers, so a frame too many or too
// few in one of them shows in every ray of ten.
class StepAndSlowMotion : public ::testing::Test {
protected:
    void SetUp() override {
        for (Form1* form : {&a, &b}) {
            form->load();
            form->cmbDemo.pick(3);  // "Rayleigh"
            form->cmbOne.pick(4);   // "Ten"
            form->hscRate.setValue(20);
        }
    }
    static void tick(Form1& form, int count) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }
    void expectSameFrame() {
        EXPECT_EQ(a.FrameCount, b.FrameCount);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(a.Trace2[i], b.Trace2[i]) << "ray " << i;
            EXPECT_EQ(a.lnePlot[i].box(), b.lnePlot[i].box()) << "ray " << i;
        }
        EXPECT_EQ(a.lnePol[5].box(), b.lnePol[5].box());
    }

    Form1 a;
    Form1 b;
};

TEST_F(StepAndSlowMotion, StepWhilePausedDrawsExactlyTheFrameOfOneTickAndNothingWhileRunning) {
    tick(a, 5);
    a.cmdStart.click();
    ASSERT_TRUE(a.lesson.paused());
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(a.lesson.stepOneFrame());
    tick(b, 8);
    expectSameFrame();
    EXPECT_EQ(a.cmdStart.caption(), "Start") << "a step does not resume the animation";
    EXPECT_FALSE(a.tmrOne.enabled());

    a.cmdStart.click();
    ASSERT_FALSE(a.lesson.paused());
    EXPECT_FALSE(a.lesson.stepOneFrame());
    expectSameFrame();
    EXPECT_EQ(a.random.next(), b.random.next()) << "a refused step drew no random number";
}

TEST_F(StepAndSlowMotion, SlowMotionChangesOnlyTheTickIntervalAndSurvivesAChangeOfDemonstration) {
    EXPECT_EQ(a.lesson.speed(), Speed::Normal);
    a.lesson.setSpeed(Speed::Quarter);
    EXPECT_EQ(a.tmrOne.interval(), 400);
    a.cmbDemo.pick(0);  // "Group Velocity": its set-up starts the timer
    EXPECT_EQ(a.tmrOne.interval(), 400);
    EXPECT_TRUE(a.tmrOne.enabled());
    a.lesson.setSpeed(Speed::Half);
    EXPECT_EQ(a.tmrOne.interval(), 200);

    b.cmbDemo.pick(0);
    tick(a, 30);
    tick(b, 30);
    for (int i = 0; i <= 95; ++i) {
        EXPECT_EQ(a.lnePlot[i].box(), b.lnePlot[i].box()) << "segment " << i;
    }
    EXPECT_EQ(a.Shape1[0].box(), b.Shape1[0].box());

    a.lesson.setSpeed(Speed::Normal);
    EXPECT_EQ(a.tmrOne.interval(), 100);
    a.cmbDemo.pick(4);  // "Ricean"
    EXPECT_EQ(a.tmrOne.interval(), 100);
}

// One rule for both editions' "Theory curve": the curve that fits the histogram on show, nothing
// where none fits, and a curve once on can be turned off wherever the window now stands.
TEST(TheoryToggle, PicksTheCurveOnShowAndCanAlwaysBeTurnedOff) {
    using Theory = LessonState::Theory;
    Form1 form;
    form.load();
    EXPECT_FALSE(form.lesson.theoryCanToggle()) << "Plane Wave has no histogram";
    form.lesson.toggleTheory();
    EXPECT_EQ(form.lesson.theory(), Theory::Off);

    form.cmbDemo.pick(4);  // "Ricean"
    EXPECT_FALSE(form.lesson.theoryCanToggle()) << "the histogram is hidden";
    form.cmdHist.click();
    ASSERT_TRUE(form.lesson.theoryCanToggle());
    form.lesson.toggleTheory();
    EXPECT_EQ(form.lesson.theory(), Theory::Ricean);

    form.cmbDemo.pick(0);  // "Group Velocity": no histogram, so no curve on show
    EXPECT_EQ(form.lesson.theoryOnShow(), Theory::Off);
    ASSERT_TRUE(form.lesson.theoryCanToggle());
    form.lesson.toggleTheory();
    EXPECT_EQ(form.lesson.theory(), Theory::Off);
    EXPECT_FALSE(form.lesson.theoryCanToggle());

    form.cmbDemo.pick(3);  // "Rayleigh"
    form.cmdHist.click();
    form.lesson.toggleTheory();
    EXPECT_EQ(form.lesson.theory(), Theory::Rayleigh);
}

}  // namespace

// The catalogue both menus render: a key two tools share would leave one of them unreachable in
// that edition, and a difference naming no tool would never be shown. A tool without a key
// ("About", "Language...") is reached from its menu; every tool stands in one.
TEST(ToolCatalogue, EveryToolHasOneDeedAndAKeyOfItsOwnInEachEdition) {
    using tool_catalogue::Edition;
    std::set<std::string_view> ids;
    for (const tool_catalogue::Tool& tool : tool_catalogue::tools()) {
        EXPECT_TRUE(ids.insert(tool.id).second) << tool.id;
        EXPECT_NE(tool.change == nullptr, tool.service == nullptr) << tool.id;
        EXPECT_EQ(tool.checked != nullptr, tool.kind != MenuEntry::Kind::Action) << tool.id;
    }
    for (const Edition edition : {Edition::Desktop, Edition::Browser}) {
        std::set<std::string> keys;
        for (const tool_catalogue::Tool& tool : tool_catalogue::tools()) {
            const std::string key = keyText(tool_catalogue::keyIn(tool, edition));
            EXPECT_TRUE(key.empty() || keys.insert(key).second) << tool.id;
        }
    }
    for (const tool_catalogue::Difference& difference : tool_catalogue::differences()) {
        EXPECT_TRUE(ids.contains(difference.id)) << difference.id;
        EXPECT_FALSE(difference.why.empty()) << difference.id;
    }
}

TEST(ToolCatalogue, PictureFileNameCarriesTheDemonstrationOrNothing) {
    Form1 form;
    form.load();
    EXPECT_EQ(tool_catalogue::pictureFileName(form), "propagation-demos-plane-wave");
    for (const auto& [typed, name] : std::vector<std::pair<std::string, std::string>>{
             {"Group Velocity", "propagation-demos-group-velocity"},
             {" -- Ricean!! ", "propagation-demos-ricean"},
             {"Fünf/Ten", "propagation-demos-f-nf-ten"},
             {"***", "propagation-demos"},
         }) {
        form.cmbDemo.setText(typed);
        EXPECT_EQ(tool_catalogue::pictureFileName(form), name) << typed;
    }
}

// ---- the deeper tools: the fading record, the polarisation ellipse, the phasor numbers

// Rice's distribution against a direct numerical integration of its density,
// p(r) = r / s exp(-(r^2 + nu^2) / 2s) I0(r nu / s) with s = sigma^2, by Simpson's rule.
TEST(FadingRecordTheory, RiceBelowMatchesTheIntegralOfItsDensity) {
    const auto besselI0 = [](double x) {
        double sum = 1;
        double term = 1;
        for (int k = 1; k < 500; ++k) {
            term *= (x / 2) * (x / 2) / (double(k) * k);
            sum += term;
            if (term < 1e-17 * sum)
                break;
        }
        return sum;
    };
    const auto integral = [&](double nu, double scattered, double r) {
        const double s = scattered / 2;
        const int n = 20000;
        const double h = r / n;
        double total = 0;
        for (int i = 0; i <= n; ++i) {
            const double x = i * h;
            // exp and I0 together, so that neither overflows alone
            const double density =
                x / s * std::exp(-(x * x + nu * nu) / (2 * s) + std::log(besselI0(x * nu / s)));
            total += density * (i == 0 || i == n ? 1 : i % 2 == 1 ? 4 : 2);
        }
        return total * h / 3;
    };
    const struct {
        double nu, scattered, r;
    } cases[] = {{0, 1e4, 50},        {0, 1e4, 200},        {100, 1e4, 80},     {300, 2e4, 250},
                 {1000, 275625, 600}, {1000, 275625, 1500}, {2000, 90000, 1700}};
    for (const auto& c : cases) {
        EXPECT_NEAR(fading_record::riceBelow(c.nu, c.scattered, c.r),
                    integral(c.nu, c.scattered, c.r), 2e-6)
            << c.nu << " " << c.scattered << " " << c.r;
    }
    // With no direct ray it is Rayleigh's: 1 - exp(-r^2 / Omega).
    EXPECT_NEAR(fading_record::riceBelow(0, 5e4, 120), 1 - std::exp(-120.0 * 120 / 5e4), 1e-12);
}

class FadingRecordTest : public ::testing::Test {
protected:
    void SetUp() override { form.load(); }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }
    double theoryAtThreshold() const {
        const fading_record::Record& record = form.lesson.record();
        return fading_record::theoryBelow(
            form, record.rms() * std::pow(10.0, form.lesson.threshold() / 20.0));
    }
    Form1 form;
};

// One ray never fades: its envelope is its length, every frame, so no frame lies below -10 dB
// and every frame below +5 dB; the theory says 0 and 1.
TEST_F(FadingRecordTest, OneRayIsNeverBelowAThresholdUnderItsLengthAndAlwaysBelowOneAbove) {
    form.cmbDemo.pick(3);  // "Rayleigh", one ray
    form.lesson.setFadingRecord(true);
    ticks(200);
    const fading_record::Record& record = form.lesson.record();
    EXPECT_EQ(record.frames(), 200u);
    EXPECT_NEAR(record.rms(), form.Trace1[1], 1.5) << "the chain's joints are whole twips";
    EXPECT_EQ(record.fractionBelow(-10), 0);
    EXPECT_EQ(theoryAtThreshold(), 0);
    form.lesson.setThreshold(5);
    EXPECT_EQ(record.fractionBelow(5), 1);
    EXPECT_EQ(theoryAtThreshold(), 1);
    // Off, the picture has no record; the keys step the threshold and stop at its ends.
    form.lesson.setThreshold(-40);
    EXPECT_EQ(form.lesson.threshold(), -30);
    form.lesson.raiseThreshold();
    EXPECT_EQ(form.lesson.threshold(), -25);
    form.lesson.setFadingRecord(false);
    EXPECT_TRUE(lessonLayer(form).overlays.empty());
}

// Ten rays at Speed 20 over 20000 frames against Rayleigh's 1 - exp(-r^2 / Omega). The frames are
// not independent: at Speed 20 a phase moves up to 0.66 radians a frame, so the envelope takes
// about 5 frames to forget itself (its correlation falls below a third by then). 20000 frames
// are worth about 4000 independent ones, and at p = 0.095 the standard error of the share is
// sqrt(p (1 - p) / 4000) = 0.0046; ten fixed-length rays are not quite Rayleigh's infinitely
// many either. 0.02 allows four standard errors and that.
TEST_F(FadingRecordTest, TenRaysAtSpeedTwentyFadeBelowTheThresholdAsRayleighSays) {
    form.cmbDemo.pick(3);
    form.cmbOne.pick(4);  // "Ten"
    form.hscRate.setValue(20);
    form.lesson.setFadingRecord(true);
    ticks(20000);
    const fading_record::Record& record = form.lesson.record();
    double power = 0;
    for (int i = 1; i <= 10; ++i) power += form.Trace1[i] * form.Trace1[i];
    const double threshold = record.rms() * std::pow(10.0, -10.0 / 20);
    EXPECT_NEAR(theoryAtThreshold(), 1 - std::exp(-threshold * threshold / power), 1e-12);
    EXPECT_NEAR(record.fractionBelow(-10), theoryAtThreshold(), 0.02);
    EXPECT_NEAR(record.rms() * record.rms(), power, 0.05 * power) << "the running rms";
    // A change of rays starts a record afresh.
    form.cmbOne.pick(3);  // "Five"
    ticks(10);
    EXPECT_EQ(record.frames(), 10u);
}

// The figure's numbers, worked out from the components, against the trail the tip runs over the
// last cycle: a circle of radius 1800 twips, a line at minus 63.4 degrees (Ey twice Ex, y
// downwards), and the ellipse of equal components a quarter cycle off by half (1 + sqrt 2).
TEST(PolarisationEllipse, FigureNumbersMatchTheTrailOfTheSum) {
    const auto figure = [](const char* two, int phase, int amp2) {
        auto form = std::make_unique<Form1>();
        form->load();
        form->cmbDemo.pick(1);  // "Polarisation"
        form->cmbTwo.pick(1);   // "Vertical"
        if (std::string(two) != "Vertical")
            form->cmbTwo.setText(two);
        form->hscPhase.setValue(phase);
        form->hscAmp2.setValue(amp2);
        for (int i = 0; i < 30; ++i) form->tmrOne.tick();
        return form;
    };
    const auto radii = [](const std::vector<PointF>& trail) {
        double longest = 0;
        double shortest = 1e18;
        double direction = 0;
        for (const PointF& p : trail) {
            const double r = std::hypot(p.x - 3540, p.y - 3600);
            if (r > longest) {
                longest = r;
                direction = std::atan2(-(p.y - 3600), p.x - 3540) * 180 / 3.1415926;
            }
            shortest = std::min(shortest, r);
        }
        if (direction > 90)
            direction -= 180;
        if (direction <= -90)
            direction += 180;
        return std::tuple{longest, shortest, direction};
    };
    {
        const auto form = figure("Vertical", 90, 50);
        const polarisation::Ellipse f = polarisation::ellipseOf(*form);
        EXPECT_EQ(f.kind, polarisation::Ellipse::Kind::Circular);
        EXPECT_FALSE(f.clockwise);
        const auto trail = polarisation::trail(*form);
        ASSERT_EQ(trail.size(), 24u);
        const auto [longest, shortest, direction] = radii(trail);
        EXPECT_NEAR(longest, 1800, 0.5);
        EXPECT_NEAR(shortest, 1800, 0.5);
        // The trail ends where the purple circle stands now.
        const Shape& sum = form->Shape1[2];
        EXPECT_NEAR(trail.back().x, sum.left() + sum.width() / 2.0, 0.01);
        EXPECT_NEAR(trail.back().y, sum.top() + sum.height() / 2.0, 0.01);
        EXPECT_EQ(polarisation::caption(f),
                  "Circular, left-handed (counter-clockwise), axial ratio 1");
    }
    {
        const auto form = figure("Vertical", 0, 100);
        const polarisation::Ellipse f = polarisation::ellipseOf(*form);
        EXPECT_EQ(f.kind, polarisation::Ellipse::Kind::Linear);
        EXPECT_NEAR(f.tiltDegrees, -std::atan(2.0) * 180 / 3.1415926, 1e-4);
        const auto [longest, shortest, direction] = radii(polarisation::trail(*form));
        EXPECT_NEAR(longest, 1800 * std::sqrt(5.0), 1);
        EXPECT_NEAR(direction, f.tiltDegrees, 0.01);
        EXPECT_EQ(polarisation::caption(f), "Linear, tilt -63\u00b0");
    }
    {
        const auto form = figure("Vertical", 45, 50);
        const polarisation::Ellipse f = polarisation::ellipseOf(*form);
        EXPECT_EQ(f.kind, polarisation::Ellipse::Kind::Elliptical);
        EXPECT_NEAR(f.axialRatio(), 1 + std::sqrt(2.0), 1e-4);
        EXPECT_NEAR(f.tiltDegrees, -45, 1e-4);
        EXPECT_NEAR(f.major * 1800, 1800 * std::sqrt(1 + std::sqrt(0.5)), 0.01);
        // 24 points a cycle, 15 degrees of phase apart: the longest and shortest samples lie
        // within cos(7.5 degrees) of the axes, and their direction within a step.
        const auto [longest, shortest, direction] = radii(polarisation::trail(*form));
        EXPECT_NEAR(longest / shortest, f.axialRatio(), 0.05 * f.axialRatio());
        EXPECT_NEAR(direction, f.tiltDegrees, 8);
        EXPECT_EQ(polarisation::caption(f),
                  "Elliptical, left-handed (counter-clockwise), axial ratio 2.41, tilt -45\u00b0");
        // On the picture the caption is two lines, so that it keeps the captions' size.
        form->lesson.setEllipse(true);
        const auto lines = lessonLayer(*form).overlays.at(1).captions;
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text, "Elliptical, left-handed (counter-clockwise)");
        EXPECT_EQ(lines[1].text, "axial ratio 2.41, tilt -45\u00b0");
        EXPECT_GE(lines[1].box.top, lines[0].box.bottom());
    }
}

// The phasor numbers for chosen drops, worked out from the grid the drop snaps to.
TEST(PhasorNumbers, CaptionsGiveEachLengthAndPhaseAndTheSums) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(5);  // "Phasors"
    form.lesson.setPhasorNumbers(true);
    EXPECT_EQ(lessonLayer(form).overlays.at(0).captions.at(0).text, "Phasor 1: 0 twips");
    const auto drop = [&form](int tip, double x, double y) {
        form.cmdPhasor[tip].mouseDown(Button::kLeftButton, 0, 0, 0);
        form.drop(x, y);
    };
    drop(0, 1600, 150);   // (7.5, -1432.5) from the origin (1560, 1560)
    drop(1, 3040, 3640);  // (1447.5, 7.5) from (1560, 3600)
    form.tmrOne.tick();
    const auto captions = lessonLayer(form).overlays.at(0).captions;
    const double phase1 = std::atan(7.5 / -1432.5) * 180 / 3.1415926 + 180;
    const double phase2 = std::atan(1447.5 / 7.5) * 180 / 3.1415926;
    const double sumX = 1455;
    const double sumY = -1425;
    const double phaseSum = std::atan(sumX / sumY) * 180 / 3.1415926 + 180;
    const auto whole = [](double v) { return std::to_string(std::lround(v)); };
    EXPECT_EQ(captions.at(0).text, "Phasor 1: " + whole(std::hypot(7.5, 1432.5)) +
                                       " twips, phase " + whole(phase1) + "\u00b0");
    EXPECT_EQ(captions.at(1).text, "Phasor 2: " + whole(std::hypot(1447.5, 7.5)) +
                                       " twips, phase " + whole(phase2) + "\u00b0");
    EXPECT_EQ(captions.at(2).text, "Sum: " + whole(std::hypot(sumX, sumY)) + " twips, phase " +
                                       whole(phaseSum) + "\u00b0");
}

// The strip chart shows the last 300 frames, as its caption says, and keeps every frame for the
// share below the threshold.
TEST_F(FadingRecordTest, ChartShowsTheLastThreeHundredFramesAndTheShareCountsThemAll) {
    form.cmbDemo.pick(3);
    form.cmbOne.pick(4);  // "Ten"
    form.lesson.setFadingRecord(true);
    ticks(450);
    EXPECT_EQ(form.lesson.record().frames(), 450u);
    EXPECT_EQ(form.lesson.record().shown().size(), 300u);
    const drawing::LessonLayer layer = lessonLayer(form);
    ASSERT_EQ(layer.overlays.size(), 2u) << "the chart and its numbers";
    const drawing::Overlay& chart = layer.overlays.front();
    // The 0 dB gridline first; the trace, one point a frame, spans it, newest at the right.
    const auto trace = std::find_if(chart.lines.begin(), chart.lines.end(),
                                    [](const auto& line) { return line.points.size() > 5; });
    ASSERT_NE(trace, chart.lines.end());
    EXPECT_EQ(trace->points.size(), 300u);
    EXPECT_DOUBLE_EQ(trace->points.back().x, chart.lines[0].points.back().x);
    EXPECT_DOUBLE_EQ(trace->points.front().x, chart.lines[0].points.front().x);
    EXPECT_EQ(chart.captions.front().text, "0 dB");
    const auto& numbers = layer.overlays.back().captions;
    EXPECT_NE(numbers.at(0).text.find("% of 450 frames"), std::string::npos) << numbers.at(0).text;
}

// Each tool is a setting of the command line and the address, read back from the window.
TEST(DeeperToolSettings, RecordThresholdEllipseAndNumbersGoBothWays) {
    const ParsedSetup parsed =
        SetupSettings::fromFragment("demo=Ricean&record&threshold=-15&ellipse&numbers");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    Form1 form;
    form.load();
    ASSERT_EQ(parsed.settings.apply(form, [](const std::function<void()>& a) { a(); }), "");
    EXPECT_TRUE(form.lesson.fadingRecord());
    EXPECT_EQ(form.lesson.threshold(), -15);
    EXPECT_TRUE(form.lesson.ellipse());
    EXPECT_TRUE(form.lesson.phasorNumbers());
    const std::string line = SetupSettings::fromWindow(form).toCommandLine();
    EXPECT_NE(line.find("--record --threshold -15 --ellipse --numbers"), std::string::npos) << line;
    const ParsedSetup bad = SetupSettings::fromFragment("threshold=-12");
    ASSERT_TRUE(bad.ok());
    Form1 other;
    other.load();
    EXPECT_NE(bad.settings.apply(other, [](const std::function<void()>& a) { a(); }), "");
}

// The threshold's two ends, -30 and +5 dB, as the keys reach them: a window at either end copies
// a link and a command line that open it again; a step beyond either end is refused.
TEST(DeeperToolSettings, ThresholdAtEitherEndOpensAgainAndBeyondIsRefused) {
    const auto run = [](const std::function<void()>& action) { action(); };
    for (const int end : {-30, 5}) {
        Form1 form;
        form.load();
        form.cmbDemo.pick(3);  // "Rayleigh"
        form.lesson.setFadingRecord(true);
        for (int i = 0; i < 8; ++i) {
            if (end < 0)
                form.lesson.lowerThreshold();
            else
                form.lesson.raiseThreshold();
        }
        ASSERT_EQ(form.lesson.threshold(), end);
        const SetupSettings copied = SetupSettings::fromWindow(form);
        for (const ParsedSetup& reopened :
             {SetupSettings::fromFragment(copied.toFragment()),
              SetupSettings::fromArguments({"--threshold", std::to_string(end)})}) {
            ASSERT_TRUE(reopened.ok()) << reopened.error;
            Form1 again;
            again.load();
            EXPECT_EQ(reopened.settings.apply(again, run), "") << end;
            EXPECT_EQ(again.lesson.threshold(), end);
        }
    }
    for (const char* beyond : {"threshold=-35", "threshold=10"}) {
        Form1 form;
        form.load();
        EXPECT_NE(SetupSettings::fromFragment(beyond).settings.apply(form, run), "") << beyond;
        EXPECT_EQ(form.lesson.threshold(), -10) << "nothing of a refused set-up is made";
    }
}
