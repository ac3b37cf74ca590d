#include "app/teaching_tools.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/tool_catalogue.h"

namespace {

using Speed = TeachingTools::Speed;

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
    ASSERT_TRUE(a.tools.paused());
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(a.tools.stepOneFrame());
    tick(b, 8);
    expectSameFrame();
    EXPECT_EQ(a.cmdStart.caption(), "Start") << "a step does not resume the animation";
    EXPECT_FALSE(a.tmrOne.enabled());

    a.cmdStart.click();
    ASSERT_FALSE(a.tools.paused());
    EXPECT_FALSE(a.tools.stepOneFrame());
    expectSameFrame();
    EXPECT_EQ(a.random.next(), b.random.next()) << "a refused step drew no random number";
}

TEST_F(StepAndSlowMotion, SlowMotionChangesOnlyTheTickIntervalAndSurvivesAChangeOfDemonstration) {
    EXPECT_EQ(a.tools.speed(), Speed::Normal);
    a.tools.setSpeed(Speed::Quarter);
    EXPECT_EQ(a.tmrOne.interval(), 400);
    a.cmbDemo.pick(0);  // "Group Velocity": its set-up starts the timer
    EXPECT_EQ(a.tmrOne.interval(), 400);
    EXPECT_TRUE(a.tmrOne.enabled());
    a.tools.setSpeed(Speed::Half);
    EXPECT_EQ(a.tmrOne.interval(), 200);

    b.cmbDemo.pick(0);
    tick(a, 30);
    tick(b, 30);
    for (int i = 0; i <= 95; ++i) {
        EXPECT_EQ(a.lnePlot[i].box(), b.lnePlot[i].box()) << "segment " << i;
    }
    EXPECT_EQ(a.Shape1[0].box(), b.Shape1[0].box());

    a.tools.setSpeed(Speed::Normal);
    EXPECT_EQ(a.tmrOne.interval(), 100);
    a.cmbDemo.pick(4);  // "Ricean"
    EXPECT_EQ(a.tmrOne.interval(), 100);
}

// One rule for both editions' "Theory curve": the curve that fits the histogram on show, nothing
// where none fits, and a curve once on can be turned off wherever the window now stands.
TEST(TheoryToggle, PicksTheCurveOnShowAndCanAlwaysBeTurnedOff) {
    using Theory = TeachingTools::Theory;
    Form1 form;
    form.load();
    EXPECT_FALSE(form.tools.theoryCanToggle()) << "Plane Wave has no histogram";
    form.tools.toggleTheory();
    EXPECT_EQ(form.tools.theory(), Theory::Off);

    form.cmbDemo.pick(4);  // "Ricean"
    EXPECT_FALSE(form.tools.theoryCanToggle()) << "the histogram is hidden";
    form.cmdHist.click();
    ASSERT_TRUE(form.tools.theoryCanToggle());
    form.tools.toggleTheory();
    EXPECT_EQ(form.tools.theory(), Theory::Ricean);

    form.cmbDemo.pick(0);  // "Group Velocity": no histogram, so no curve on show
    EXPECT_EQ(form.tools.theoryOnShow(), Theory::Off);
    ASSERT_TRUE(form.tools.theoryCanToggle());
    form.tools.toggleTheory();
    EXPECT_EQ(form.tools.theory(), Theory::Off);
    EXPECT_FALSE(form.tools.theoryCanToggle());

    form.cmbDemo.pick(3);  // "Rayleigh"
    form.cmdHist.click();
    form.tools.toggleTheory();
    EXPECT_EQ(form.tools.theory(), Theory::Rayleigh);
}

}  // namespace

// The catalogue both menus render: a key two tools share would leave one of them unreachable in
// that edition, and a difference naming no tool would never be shown.
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
            EXPECT_TRUE(keys.insert(keyText(tool_catalogue::keyIn(tool, edition))).second)
                << tool.id;
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
