#include "app/animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/lesson_layer.h"
#include "ui/drawing/svg_writer.h"

namespace {

// Text as wide as half its pixel size for every character: the same for both pictures compared.
class HalfEm : public drawing::TextMeasurer {
public:
    double textWidth(std::string_view text, int pixelSize) const override {
        return 0.5 * pixelSize * static_cast<double>(text.size());
    }
};

// The whole painted picture, lesson tools included, as the drawing layer writes it.
std::string picture(const Form1& form) {
    static const HalfEm measurer;
    static drawing::TextFitter fitter(measurer);
    drawing::ViewGeometry geometry;
    geometry.set(1.0 / 15, {0, 0});
    const drawing::Rgba face{240, 240, 240, 255};
    std::vector<drawing::Primitive> items;
    const RectF client{0, 0, form.clientWidth(), form.clientHeight()};
    drawing::drawForm(form, client, geometry, fitter, face, items, lessonLayer(form));
    return drawing::toSvg(items, geometry, 789, 605, face);
}

// Whether two pictures are the same to a hundredth of a pixel: the same primitives, their numbers
// within 0.01 (the program's pi, 3.1415926, brings a period back to a few millionths).
bool samePicture(const std::string& a, const std::string& b) {
    const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
    if (std::regex_replace(a, number, "#") != std::regex_replace(b, number, "#"))
        return false;
    std::sregex_iterator x(a.begin(), a.end(), number);
    std::sregex_iterator y(b.begin(), b.end(), number);
    for (; x != std::sregex_iterator(); ++x, ++y) {
        if (std::abs(std::stod(x->str()) - std::stod(y->str())) > 0.01)
            return false;
    }
    return true;
}

void show(Form1& form, const std::string& demo, const std::string& one = "",
          const std::string& two = "") {
    form.load();
    form.cmbDemo.setText(demo);
    if (!one.empty())
        form.cmbOne.setText(one);
    if (!two.empty())
        form.cmbTwo.setText(two);
}

TEST(AnimationLength, OnePeriodOfARepeatingPictureTenSecondsOfOneThatNeverRepeats) {
    struct Case {
        const char* demo;
        const char* one;
        const char* two;
        int frames;
        bool loops;
    };
    const Case cases[] = {
        {"Plane Wave", "1.0", "0.0", 8, true},
        {"Plane Wave", "2.5", "0.5", 20, true},
        {"Plane Wave", "0.3", "0.0", 12, true},    // 2.4 frames a period: five periods loop
        {"Plane Wave", "Two", "0.0", 100, false},  // a wavelength of 0 never repeats
        {"Group Velocity", "1.0", "2.0", 60, true},
        {"Group Velocity", "0.1", "0.0", 600, true},    // the carrier stands still
        {"Group Velocity", "0.0", "0.0", 1, false},     // nothing moves: one still frame
        {"Group Velocity", "0.07", "1.0", 100, false},  // 857.1 frames: beyond the cap
        {"Polarisation", "", "", 24, true},
        {"Phasors", "", "", 1, false},
        {"Rayleigh", "", "", 100, false},
        {"Ricean", "", "", 100, false},
    };
    for (const Case& c : cases) {
        Form1 form;
        show(form, c.demo, c.one, c.two);
        const animation::Length length = animation::lengthOf(form);
        EXPECT_EQ(length.frames, c.frames) << c.demo << " " << c.one << " " << c.two;
        EXPECT_EQ(length.loops, c.loops) << c.demo << " " << c.one << " " << c.two;
    }
}

TEST(AnimationLength, ATypedLengthIsAWholeNumberOfFramesWithinTheCap) {
    EXPECT_EQ(animation::framesFrom("40"), 40);
    EXPECT_EQ(animation::framesFrom("600"), 600);
    for (const char* refused : {"", "0", "-3", "601", "12x", " 5", "2.5", "99999999999"})
        EXPECT_EQ(animation::framesFrom(refused), std::nullopt) << refused;
}

TEST(AnimationRecording, FramesAreTheWindowsOwnAndAPeriodicLoopIsSeamless) {
    Form1 window;
    show(window, "Plane Wave", "2.0", "0.2");
    for (int i = 0; i < 5; ++i) window.tmrOne.tick();
    const int period = animation::lengthOf(window).frames;
    ASSERT_EQ(period, 16);

    animation::Recording recording(window, period + 1);
    std::vector<std::string> frames;
    while (true) {
        frames.push_back(picture(recording.window()));
        if (recording.atLastFrame())
            break;
        recording.advance();
    }
    ASSERT_EQ(frames.size(), std::size_t(period + 1));
    EXPECT_TRUE(frames.front() == picture(window)) << "the first frame is the picture on show";
    EXPECT_TRUE(samePicture(frames[std::size_t(period)], frames.front()))
        << "frame N+1 is frame 1 again";
    EXPECT_FALSE(samePicture(frames[std::size_t(period / 2)], frames.front()));
    for (int i = 1; i < period; ++i) {
        window.tmrOne.tick();
        EXPECT_TRUE(frames[std::size_t(i)] == picture(window)) << "frame " << i;
    }
}

TEST(AnimationRecording, LeavesTheWindowAndItsRandomSequenceAsTheyWouldHaveBeen) {
    // Two windows given the same actions; one of them is recorded from, paused and running.
    Form1 recorded;
    Form1 twin;
    Form1 witness;  // ticks through the frames recorded
    for (Form1* form : {&recorded, &twin, &witness}) {
        show(*form, "Ricean", "Ten");
        form->hscRate.setValue(20);
        form->cmdHist.click();
        form->lesson.setFadingRecord(true);
        form->lesson.setTheory(LessonState::Theory::Ricean);
        for (int i = 0; i < 30; ++i) form->tmrOne.tick();
    }
    const std::string before = picture(recorded);
    {
        animation::Recording recording(recorded, 100);
        while (!recording.atLastFrame()) recording.advance();
        for (int i = 0; i < 99; ++i) witness.tmrOne.tick();
        EXPECT_TRUE(picture(recording.window()) == picture(witness))
            << "the last frame recorded is the one the window would show, rays, bars and record";
        EXPECT_FALSE(picture(recording.window()) == before);
    }
    EXPECT_TRUE(picture(recorded) == before);
    for (int i = 0; i < 40; ++i) {
        recorded.tmrOne.tick();
        twin.tmrOne.tick();
    }
    EXPECT_TRUE(picture(recorded) == picture(twin));
    EXPECT_EQ(recorded.lesson.record().frames(), twin.lesson.record().frames());
    EXPECT_EQ(recorded.random.next(), twin.random.next()) << "the random sequence goes on";
    EXPECT_TRUE(recorded.tmrOne.enabled()) << "the window's own timer still runs";

    // Paused, the recording still runs the frames that the timer would draw.
    recorded.cmdStart.click();
    animation::Recording paused(recorded, 3);
    paused.advance();
    EXPECT_EQ(paused.window().FrameCount, recorded.FrameCount + 1);
    EXPECT_EQ(recorded.cmdStart.caption(), "Start");
}

}  // namespace
