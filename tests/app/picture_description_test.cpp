#include "app/picture_description.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/narration.h"
#include "app/setup_settings.h"
#include "demos/phasors/phasor_words.h"
#include "demos/phasors/phasors.h"

namespace {

using words::Kind;
using words::Sentence;

constexpr double kPi = 3.1415926;

// A window made as a user makes it from a prepared set-up, then `ticks` frames on.
class Described : public ::testing::Test {
protected:
    void make(const std::string& setup, int ticks = 0) {
        window = std::make_unique<Form1>();
        window->load();
        const ParsedSetup parsed = SetupSettings::fromFragment(setup);
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        ASSERT_EQ(parsed.settings.apply(*window, [](const std::function<void()>& a) { a(); }), "");
        tick(ticks);
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) window->tmrOne.tick();
    }
    // The text of the sentence of `kind`, "" if the picture has none.
    std::string said(Kind kind) const {
        for (const Sentence& s : picture_description::describe(*window)) {
            if (s.kind == kind)
                return s.text;
        }
        return "";
    }
    bool has(Kind kind) const { return !said(kind).empty(); }

    // A window of its own for every set-up: the scroll bars and the random numbers of one do
    // not carry into the next.
    std::unique_ptr<Form1> window;
};

TEST_F(Described, PlaneWaveTellsWavelengthInStepsAndWhatTheAttenuationLeaves) {
    make("demo=Plane+Wave&one=2.0&two=0.5");
    EXPECT_EQ(picture_description::name(*window), "Picture of Plane Wave");
    EXPECT_NE(said(Kind::WaveTravels).find("travels from left to right"), std::string::npos);
    // A wavelength of 1.0 is eight steps.
    EXPECT_NE(said(Kind::Wavelength).find("16 steps"), std::string::npos);
    // exp(-95 / 50 x 0.5) of the height is left at step 95.
    EXPECT_NEAR(std::exp(-1.9 * 0.5), 0.39, 0.005);
    EXPECT_NE(said(Kind::Attenuated).find("it has 0.39 of its starting height"), std::string::npos);
    EXPECT_TRUE(has(Kind::Running));

    make("demo=Plane+Wave&one=20&two=0.0&paused");
    EXPECT_NE(said(Kind::Wavelength).find("less than one wavelength"), std::string::npos);
    EXPECT_TRUE(has(Kind::Lossless));
    EXPECT_TRUE(has(Kind::Paused));
    EXPECT_FALSE(has(Kind::Running));

    make("demo=Plane+Wave&one=Two&two=-1");
    EXPECT_TRUE(has(Kind::NoWavelength)) << "a word reads as 0";
    EXPECT_NE(said(Kind::Growing).find("6.7 times"), std::string::npos);  // exp(1.9)
    make("demo=Plane+Wave&two=5.0");
    EXPECT_NE(said(Kind::Attenuated).find("less than 0.01"), std::string::npos);  // exp(-9.5)
}

TEST_F(Described, GroupVelocityTellsWhatTheCrestsDoInTheirGroups) {
    const struct {
        const char* group;
        const char* phase;
        Kind kind;
    } cases[] = {{"1.0", "1.0", Kind::CrestsRide},       {"0.5", "2.0", Kind::CrestsFaster},
                 {"2.0", "0.5", Kind::CrestsSlower},     {"0.0", "1.0", Kind::GroupsStandStill},
                 {"1.0", "0.0", Kind::CrestsStandStill}, {"0.0", "0.0", Kind::NothingMoves}};
    for (const auto& c : cases) {
        make(std::string("demo=Group+Velocity&one=") + c.group + "&two=" + c.phase);
        EXPECT_TRUE(has(c.kind)) << c.group << " " << c.phase << ": "
                                 << picture_description::joined(
                                        picture_description::describe(*window));
    }
    // The marker: its height over the line from the trace's own sample at the joint it rides on,
    // sample 48 (a sample of 1 is 2000 twips below the line), above or below, or at rest.
    make("demo=Group+Velocity&one=0.5&two=2.0");
    bool sawRest = false;
    bool sawMoving = false;
    for (int t = 0; t < 200 && !(sawRest && sawMoving); ++t) {
        tick(1);
        const double height = -window->Trace1[48];
        const std::string marker = said(Kind::Marker);
        if (std::abs(height) < 0.02) {
            sawRest = true;
            EXPECT_NE(marker.find("rests on it"), std::string::npos) << marker;
        } else {
            sawMoving = true;
            const double rounded = std::round(std::abs(height) * 100) / 100;
            char expected[64];
            std::snprintf(expected, sizeof expected, "stands %g of the full height %s", rounded,
                          height > 0 ? "above" : "below");
            EXPECT_NE(marker.find(expected), std::string::npos) << marker << " / " << expected;
        }
    }
    EXPECT_TRUE(sawRest && sawMoving);
}

// The tip of the sum, watched over one cycle of 24 frames, against what the words say: its turn
// (the sign of the cross product of successive places, clockwise on the screen where positive
// with y downwards), the longest and shortest distances from the centre and the line's angle.
TEST_F(Described, PolarisationNamesTheFigureItsTurnAndShapeAsTheTipRunsThem) {
    struct Watched {
        double turn = 0;
        double longest = 0;
        double shortest = 1e9;
        double tilt = 0;  // of the longest, counter-clockwise as seen
    };
    const auto watch = [this] {
        Watched w;
        double px = 0;
        double py = 0;
        for (int t = 0; t <= 24; ++t) {
            const Shape& c = window->Shape1[2];
            const double x = c.left() + c.width() / 2.0 - 3540;
            const double y = c.top() + c.height() / 2.0 - 3600;
            if (t > 0)
                w.turn += px * y - py * x;
            const double r = std::hypot(x, y);
            if (r > w.longest) {
                w.longest = r;
                w.tilt = std::atan2(-y, x) * 180 / kPi;
            }
            w.shortest = std::min(w.shortest, r);
            px = x;
            py = y;
            tick(1);
        }
        return w;
    };
    make("demo=Polarisation&one=Horizontal&two=Vertical&phase=90");
    Watched w = watch();
    EXPECT_TRUE(has(Kind::Circular));
    EXPECT_LT(w.turn, 0) << "counter-clockwise on the screen";
    EXPECT_NE(said(Kind::Circular).find("counter-clockwise"), std::string::npos);
    EXPECT_NEAR(w.longest, w.shortest, 2);

    make("demo=Polarisation&one=Horizontal&two=Vertical&phase=-90");
    w = watch();
    EXPECT_GT(w.turn, 0);
    EXPECT_NE(said(Kind::Circular).find(", clockwise on the screen, as \"Right-Hand Circular\""),
              std::string::npos);
    EXPECT_NE(said(Kind::RelativePhase).find("lags behind component 1 by 90 degrees"),
              std::string::npos);

    // At 45 degrees: an ellipse whose long axis over its short one is 1 + sqrt(2) (from the
    // Stokes parameters of equal components a quarter cycle off by half), at minus 45 degrees.
    make("demo=Polarisation&one=Horizontal&two=Vertical&phase=45");
    EXPECT_TRUE(has(Kind::Elliptical));
    EXPECT_NE(said(Kind::Elliptical).find("at minus 45 degrees and 2.41 times"), std::string::npos)
        << said(Kind::Elliptical);
    EXPECT_NE(said(Kind::Elliptical).find("counter-clockwise"), std::string::npos);
    EXPECT_NE(said(Kind::RelativePhase).find("leads component 1 by 45 degrees"), std::string::npos);

    // In step: a line from the upper left to the lower right, minus 45 degrees, 2 x sqrt(2) long.
    make("demo=Polarisation&one=Horizontal&two=Vertical");
    w = watch();
    EXPECT_NE(said(Kind::Linear).find("at minus 45 degrees, 2.83 units"), std::string::npos)
        << said(Kind::Linear);
    EXPECT_NEAR(w.tilt > 90 ? w.tilt - 180 : w.tilt, -45, 4) << "the longest reach, as seen";
    EXPECT_TRUE(has(Kind::RelativePhase));

    make("demo=Polarisation&one=Horizontal&two=Horizontal&phase=180");
    EXPECT_NE(said(Kind::NoField).find("cancel"), std::string::npos);
    make("demo=Polarisation&one=horizontal&two=Off");
    EXPECT_NE(said(Kind::Components).find("\"horizontal\", which counts as off"),
              std::string::npos);
    EXPECT_NE(said(Kind::NoField).find("no field"), std::string::npos);
    EXPECT_FALSE(has(Kind::RelativePhase));
}

// The signal against its average in decibels, from the rays and the closing line as the frame
// leaves them.
TEST_F(Described, FadingTellsTheSignalAgainstItsAverageAndWhenItFadesDeeply) {
    make("demo=Rayleigh&one=Ten&rate=20");
    bool sawDeep = false;
    for (int t = 0; t < 3000 && !sawDeep; ++t) {
        tick(1);
        double power = 0;
        for (int i = 1; i <= 10; ++i) power += window->Trace1[i] * window->Trace1[i];
        const Line& r = window->lnePol[5];
        const double envelope = std::hypot(double{r.x1()} - r.x2(), double{r.y1()} - r.y2());
        const double decibels = 20 * std::log10(envelope / std::sqrt(power));
        const std::string signal = said(Kind::Signal);
        if (decibels <= -10.5) {
            sawDeep = true;
            EXPECT_NE(signal.find("in a deep fade"), std::string::npos) << signal;
        }
        if (decibels > -9.5 && decibels < 9.5 && envelope > 0) {
            const long whole = std::lround(decibels);
            const std::string number =
                whole < 0 ? "minus " + std::to_string(-whole) : std::to_string(whole);
            if (std::abs(decibels - std::round(decibels)) < 0.4) {
                EXPECT_NE(signal.find(": " + number + " decibels"), std::string::npos) << signal;
            }
        }
    }
    EXPECT_TRUE(sawDeep);
    EXPECT_TRUE(has(Kind::Rays));
    EXPECT_TRUE(has(Kind::FadesScattered));

    make("demo=Rayleigh&one=One");
    EXPECT_TRUE(has(Kind::OneRay));
    EXPECT_FALSE(has(Kind::Signal));
    make("demo=Rayleigh&one=Many");
    EXPECT_TRUE(has(Kind::NoRays));
}

// A Ricean "Fixed" of 10 makes rarer, shallower fades than 0: the words say so, and the window's
// own frames bear it out.
TEST_F(Described, RiceanDirectRayMakesFadesRareAndTheWordsSaySo) {
    const auto deepFrames = [this] {
        int deep = 0;
        double power = 0;
        for (int i = 1; i <= 10; ++i) power += window->Trace1[i] * window->Trace1[i];
        for (int t = 0; t < 2000; ++t) {
            tick(1);
            const Line& r = window->lnePol[5];
            const double envelope = std::hypot(double{r.x1()} - r.x2(), double{r.y1()} - r.y2());
            deep += envelope * envelope < 0.1 * power;
        }
        return deep;
    };
    make("demo=Ricean&one=Ten&fixed=10&rate=20");
    EXPECT_TRUE(has(Kind::FadesStrongDirect));
    EXPECT_NE(said(Kind::DirectRay).find("2000 twips long"), std::string::npos);
    const int strong = deepFrames();
    make("demo=Ricean&one=Ten&fixed=0&rate=20");
    EXPECT_TRUE(has(Kind::FadesWeakDirect));
    const int weak = deepFrames();
    EXPECT_LT(strong, weak / 4) << strong << " against " << weak;
}

TEST_F(Described, HistogramTellsItsPeakAndWidthAndHowCloseTheTheoryCurveIs) {
    make("demo=Rayleigh&one=Ten&rate=20&histogram");
    EXPECT_TRUE(has(Kind::HistogramEmpty));
    tick(3000);
    int peak = 0;
    for (int k = 0; k < 32; ++k) {
        if (window->HistBins[k] > window->HistBins[peak])
            peak = k;
    }
    EXPECT_NE(said(Kind::Histogram)
                  .find("counted 3000 frames; its tallest bar is at " + std::to_string(peak * 100) +
                        " twips"),
              std::string::npos)
        << said(Kind::Histogram);
    EXPECT_FALSE(has(Kind::Theory));
    window->lesson.setTheory(LessonState::Theory::Rayleigh);
    tick(3000);
    EXPECT_NE(said(Kind::Theory).find("close to it"), std::string::npos) << said(Kind::Theory);

    // At "Speed" 0 the phases hardly move: the bars stay far from the curve, and the words say
    // what to do.
    make("demo=Rayleigh&one=Ten&histogram&theory=Rayleigh", 3000);
    EXPECT_NE(said(Kind::Theory).find("still far from it"), std::string::npos)
        << said(Kind::Theory);
    EXPECT_NE(said(Kind::Theory).find("Raise \"Speed\""), std::string::npos);
}

// Lengths and phases from the drop points: a drop centres the tip on the point, then floors its
// corner to the 60-twip grid.
TEST_F(Described, PhasorsTellEachLengthAndPhaseAndHowTheSinusoidsRelate) {
    make("demo=Phasors");
    EXPECT_TRUE(has(Kind::PhasorAtOrigin));
    EXPECT_FALSE(has(Kind::Phasor));
    const auto offset = [](double drop, double origin) {
        return std::floor((drop - 127.5) / 60) * 60 + 127.5 - origin;
    };
    // The grid leaves every offset 7.5 or -52.5 off a multiple of 60: long phasors come within
    // a degree of the directions wanted.
    const struct {
        double x1, y1, x2, y2;
        Kind relation;
    } cases[] = {
        {1600, 150, 1600, 2200, Kind::InPhase},      // both (7.5, -1432.5), up
        {1600, 150, 1600, 5070, Kind::Opposite},     // up against (7.5, 1447.5), down
        {1600, 150, 3040, 3640, Kind::RightAngles},  // up against (1447.5, 7.5), right
        {1600, 150, 3040, 2200, Kind::Apart},        // up against (1447.5, -1432.5): 45 degrees
    };
    for (const auto& c : cases) {
        make("demo=Phasors&tip1=" + std::to_string(int(c.x1)) + "," + std::to_string(int(c.y1)) +
                 "&tip2=" + std::to_string(int(c.x2)) + "," + std::to_string(int(c.y2)),
             1);
        const double dx = offset(c.x1, 1560);
        const double dy = offset(c.y1, 1560);
        const std::string length = std::to_string(std::lround(std::hypot(dx, dy)));
        EXPECT_NE(said(Kind::Phasor).find("Phasor 1, the green one, is " + length + " twips long"),
                  std::string::npos)
            << said(Kind::Phasor);
        EXPECT_TRUE(has(c.relation))
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << ": "
            << picture_description::joined(picture_description::describe(*window));
    }
}

TEST_F(Described, ATypedNameOfNoDemonstrationAndTheProjectorAreSaid) {
    make("demo=Phasors&projector");
    window->cmbDemo.setText("Nothing");
    EXPECT_TRUE(has(Kind::UnknownDemo));
    EXPECT_TRUE(has(Kind::Projector));
    EXPECT_EQ(picture_description::name(*window), "Picture of the demonstrations");
}

// Every kind of sentence is spoken by one of these set-ups: no branch of the description is
// silent for ever.
TEST(PictureDescription, NumbersAreSpokenAsAPersonSaysThem) {
    using words::spoken;
    EXPECT_EQ(spoken(-45, 0), "minus 45");
    EXPECT_EQ(spoken(0.3749, 2), "0.37");
    EXPECT_EQ(spoken(3.0, 2), "3");
    EXPECT_EQ(spoken(-0.001, 2), "0");
    EXPECT_EQ(spoken(2.5, 0), "2");  // halves to the even neighbour, as the program rounds
    EXPECT_EQ(spoken(1234.5, 1), "1234.5");
}

// When words are said: once after each change, of what it changed; nothing on plain ticks;
// typing waits for a pause; a running picture's own news at most every few seconds.
TEST(Narration, SaysEachChangeOnceAndTheTicksOnlyTheirNewsAtAPace) {
    Form1 form;
    form.load();
    Narration narration(form);
    double now = 0;
    const auto user = [&](const std::function<void()>& action) {
        action();
        now += 100;
        return narration.delivered(EventCause::User, now);
    };
    const auto ticks = [&](int count) {
        std::vector<std::string> said;
        for (int i = 0; i < count; ++i) {
            form.tmrOne.tick();
            now += 100;
            const std::string words = narration.delivered(EventCause::Tick, now);
            if (!words.empty())
                said.push_back(words);
        }
        return said;
    };
    EXPECT_TRUE(ticks(100).empty()) << "a plane wave has no news";
    EXPECT_EQ(user([&] { form.cmbTwo.pick(0); }),
              "There is no attenuation: the wave keeps its full height all along the line.");
    EXPECT_EQ(user([&] { form.cmbTwo.pick(0); }), "") << "the same again changes nothing";
    EXPECT_EQ(user([&] { form.cmdStart.click(); }),
              "The animation is paused: \"Start\" runs it again, and the full stop key steps "
              "one frame.");

    // Typing: nothing at a key, the words once the pause has passed, then nothing more.
    form.cmbOne.setText("2");
    EXPECT_EQ(narration.delivered(EventCause::Typing, now += 100), "");
    form.cmbOne.setText("2.5");
    EXPECT_EQ(narration.delivered(EventCause::Typing, now += 300), "");
    // A student types on for a second and a half before the words come: "2.5" is said once,
    // whole, never "2" on its own.
    EXPECT_EQ(narration.due(now + 1499), "");
    EXPECT_EQ(narration.due(now + 1500),
              "Its wavelength is 20 steps, so a crest passes each point every 20 frames.");
    EXPECT_EQ(narration.due(now + 3000), "");
    now += 3000;

    // Another demonstration: all of it.
    const std::string fading = user([&] { form.cmbDemo.pick(3); });
    EXPECT_EQ(fading, picture_description::joined(picture_description::describe(form)));
    EXPECT_NE(fading.find("The animation runs"), std::string::npos) << "a set-up runs it again";
    user([&] { form.cmbOne.pick(4); });  // Ten rays
    user([&] { form.hscRate.setValue(20); });
    // A minute of deep fades: each said, at most once in 4 seconds, and some of them said.
    std::vector<double> times;
    for (int i = 0; i < 600; ++i) {
        form.tmrOne.tick();
        now += 100;
        const std::string words = narration.delivered(EventCause::Tick, now);
        if (!words.empty()) {
            EXPECT_EQ(words.rfind("A deep fade. ", 0), 0u) << words;
            times.push_back(now);
        }
    }
    ASSERT_FALSE(times.empty());
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 4000);
    EXPECT_LE(times.size(), 15u);
    // The whole description on demand, the name first.
    EXPECT_EQ(narration.describeAll().rfind("Picture of Rayleigh. 10 rays", 0), 0u);
}

TEST(Narration, SaysWhenTheHistogramHasSettledAndAGroupReachesTheMarker) {
    Form1 form;
    form.load();
    Narration narration(form);
    double now = 0;
    form.cmbDemo.pick(3);
    form.cmbOne.pick(4);
    form.hscRate.setValue(20);
    form.cmdHist.click();
    narration.delivered(EventCause::User, now);
    std::string settled;
    for (int i = 0; i < 20000 && settled.empty(); ++i) {
        form.tmrOne.tick();
        const std::string words = narration.delivered(EventCause::Tick, now += 100);
        if (words.rfind("The histogram has settled. ", 0) == 0)
            settled = words;
    }
    EXPECT_NE(settled.find("its tallest bar is at"), std::string::npos) << settled;

    form.cmbDemo.pick(0);  // "Group Velocity"
    narration.delivered(EventCause::User, now += 100);
    int groups = 0;
    for (int i = 0; i < 600; ++i) {
        form.tmrOne.tick();
        groups += narration.delivered(EventCause::Tick, now += 100) ==
                  "A wave group reaches the green marker.";
    }
    // Groups 60 steps apart at 1 step a frame: one every 6 s, each said.
    EXPECT_GE(groups, 9);
    EXPECT_LE(groups, 11);
}

// What the controls tell a screen reader follows the picture.
TEST(Narration, ControlsTellTheirValuesTheTipsTheirPlacesAndHistogramItsState) {
    Form1 form;
    form.load();
    Narration narration(form);
    form.cmbDemo.pick(1);  // "Polarisation"
    form.hscPhase.setValue(-45);
    narration.delivered(EventCause::User, 0);
    EXPECT_EQ(form.hscPhase.accessibleValue(), "minus 45 degrees");
    EXPECT_EQ(form.hscAmp1.accessibleValue(), "amplitude 1");
    EXPECT_EQ(form.hscFixed.accessibleValue(), "Fixed 5 of 10");
    EXPECT_EQ(form.cmdHist.accessiblePressed(), false);
    form.cmbDemo.pick(3);
    form.cmdHist.click();
    narration.delivered(EventCause::User, 100);
    EXPECT_EQ(form.cmdHist.accessiblePressed(), true);
    form.cmbDemo.pick(5);  // "Phasors"
    form.cmdPhasor[0].move(2400, 1200);
    narration.delivered(EventCause::User, 200);
    EXPECT_EQ(form.cmdPhasor[0].accessibleDescription().rfind(
                  phasor_words::tipPlace(form, 0) + ". Drag it", 0),
              0u);
    EXPECT_EQ(phasor_words::tipPlace(form, 1), "No length, on its origin");
}

}  // namespace
