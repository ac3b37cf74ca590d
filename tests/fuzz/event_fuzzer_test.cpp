#include "tests/fuzz/event_fuzzer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/program_error.h"

namespace {

// The seeded run of the suite; CI runs it longer by setting PROPAGATION_FUZZ_EVENTS, and
// PROPAGATION_FUZZ_SEED picks other sessions for a hunt.
std::uint64_t setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

constexpr std::uint64_t kSeed = 1009;
constexpr std::size_t kEventsPerSession = 5000;

struct LoadedForm {
    LoadedForm() { form->load(); }
    std::unique_ptr<Form1> form = std::make_unique<Form1>();
};

// Each session starts from a freshly loaded window, so start-up states come back again and again.
TEST(EventSequenceFuzz, SeededSessionsKeepEveryInvariant) {
    const std::size_t total = setting("PROPAGATION_FUZZ_EVENTS", 30000);
    const std::uint64_t seed = setting("PROPAGATION_FUZZ_SEED", kSeed);
    std::size_t done = 0;
    for (std::uint64_t session = 0; done < total; ++session) {
        LoadedForm loaded;
        EventFuzzer fuzzer(*loaded.form);
        ChoiceStream choices(seed + session);
        try {
            done += fuzzer.run(choices, std::min(kEventsPerSession, total - done));
        } catch (const FuzzFailure& failure) {
            FAIL() << "seed " << seed + session << ", " << failure.what();
        }
    }
    std::cout << "[ fuzzed   ] " << done << " events from seed " << seed << "\n";
}

// A driver that stopped reaching a demonstration or an action would still pass the test above.
TEST(EventSequenceFuzz, SeededSessionReachesEveryDemonstrationAndAction) {
    LoadedForm loaded;
    EventFuzzer fuzzer(*loaded.form);
    ChoiceStream choices(kSeed);
    ASSERT_NO_THROW(fuzzer.run(choices, 20000));
    const auto& coverage = fuzzer.coverage();
    for (const char* demo : {"Plane Wave", "Group Velocity", "Polarisation", "Rayleigh", "Ricean",
                             "Phasors", "other"}) {
        SCOPED_TRACE(demo);
        EXPECT_GT(coverage.setUps.count(demo) ? coverage.setUps.at(demo) : 0, 0u);
        EXPECT_GT(coverage.frames.count(demo) ? coverage.frames.at(demo) : 0, 0u);
    }
    for (const char* action :
         {"tick", "pick demo", "type demo", "type option", "pick option", "scroll", "click",
          "mouse down", "drag and drop", "drop", "arrow key"}) {
        EXPECT_GT(coverage.actions.count(action) ? coverage.actions.at(action) : 0, 0u) << action;
    }
    EXPECT_GT(coverage.drops, 0u) << "no drop ever reached the window's DragDrop";
    EXPECT_GT(coverage.histogramCounts, 0u) << "the histogram never counted a frame";
    EXPECT_GT(coverage.pausedTicks, 0u) << "no tick ever found the animation paused";
    EXPECT_GE(coverage.longestText, 1000u) << "no text of thousands of characters was typed";
}

// The same input always makes the same session: a failure found once can be replayed.
TEST(EventSequenceFuzz, SameBytesReplayTheSameSession) {
    const std::string bytes = "the same input bytes, replayed twice \x01\x7f\xff\x10 and more";
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    LoadedForm first;
    LoadedForm second;
    EventFuzzer a(*first.form);
    EventFuzzer b(*second.form);
    ChoiceStream choicesA(data, bytes.size());
    ChoiceStream choicesB(data, bytes.size());
    const std::size_t events = a.run(choicesA, 100000);
    EXPECT_EQ(b.run(choicesB, 100000), events);
    EXPECT_GT(events, 0u);
    EXPECT_EQ(first.form->cmbDemo.text(), second.form->cmbDemo.text());
    EXPECT_EQ(first.form->FrameCount, second.form->FrameCount);
    for (int i = 0; i <= 96; ++i)
        EXPECT_EQ(first.form->lnePlot[i].y2(), second.form->lnePlot[i].y2());
}

// The checks themselves: each must notice the fault it is there for.
class InvariantCheckerNotices : public ::testing::Test {
protected:
    bool flags(const std::string& fragment, double expectedFrameCount) const {
        for (const std::string& fault : checker.check(expectedFrameCount)) {
            if (fault.find(fragment) != std::string::npos)
                return true;
        }
        return false;
    }
    Form1 form;
    // Loaded before the checker takes its reference state.
    InvariantChecker checker{(form.load(), form)};
};

TEST_F(InvariantCheckerNotices, NothingOnAFreshlyLoadedWindow) {
    EXPECT_TRUE(checker.check(form.FrameCount).empty());
}

TEST_F(InvariantCheckerNotices, ATouchedSpareSegment) {
    form.lnePlot2[150].setY1(5);
    EXPECT_TRUE(flags("lnePlot2(150)", form.FrameCount));
    form.lnePlot3[97].setVisible(true);
    EXPECT_TRUE(flags("lnePlot3(97)", form.FrameCount));
}

TEST_F(InvariantCheckerNotices, ARecolouredSpareSegment) {
    form.lnePlot[191].setBorderColour(colours::kPurple);
    EXPECT_TRUE(flags("lnePlot(191)", form.FrameCount));
}

TEST_F(InvariantCheckerNotices, AFrameCountTheEventDidNotAllow) {
    EXPECT_TRUE(flags("FrameCount", form.FrameCount + 1));
}

TEST_F(InvariantCheckerNotices, AFractionalOrNegativeHistogramCount) {
    form.HistBins[3] = 0.5;
    EXPECT_TRUE(flags("HistBins(3)", form.FrameCount));
    form.HistBins[3] = -1;
    EXPECT_TRUE(flags("HistBins(3)", form.FrameCount));
}

TEST_F(InvariantCheckerNotices, ATimerThatDisagreesWithTheStartButton) {
    form.tmrOne.setEnabled(false);
    EXPECT_TRUE(flags("cmdStart", form.FrameCount));
}

TEST_F(InvariantCheckerNotices, ANegativeSize) {
    form.shpHist[7].setHeight(-15);
    EXPECT_TRUE(flags("shpHist(7)", form.FrameCount));
}

TEST_F(InvariantCheckerNotices, ARewrittenDemoList) {
    form.cmbDemo.addItem("Standing Wave");
    EXPECT_TRUE(flags("cmbDemo", form.FrameCount));
}

// The driver's own bookkeeping of FrameCount and of escaping errors.
class EventFuzzerNotices : public ::testing::Test {
protected:
    EventFuzzerNotices() { form.load(); }
    Form1 form;
};

TEST_F(EventFuzzerNotices, AnErrorThatEscapesAnEvent) {
    EventFuzzer fuzzer(form);
    try {
        fuzzer.raise("broken handler", EventFuzzer::FrameRule::Unchanged,
                     [] { throw ProgramError("index 200 is outside lnePlot(0 to 191)"); });
        FAIL() << "the escaped error went unnoticed";
    } catch (const FuzzFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("index 200"), std::string::npos);
        EXPECT_NE(std::string(failure.what()).find("broken handler"), std::string::npos);
    }
}

TEST_F(EventFuzzerNotices, AFrameCountChangedOutsideATick) {
    EventFuzzer fuzzer(form);
    EXPECT_THROW(
        fuzzer.raise("scroll", EventFuzzer::FrameRule::Unchanged, [this] { form.FrameCount += 1; }),
        FuzzFailure);
}

TEST_F(EventFuzzerNotices, ATickThatCountsWhilePaused) {
    EventFuzzer fuzzer(form);
    fuzzer.raise("pause", EventFuzzer::FrameRule::Unchanged, [this] { form.cmdStart.click(); });
    EXPECT_THROW(
        fuzzer.raise("tick", EventFuzzer::FrameRule::Tick, [this] { form.FrameCount += 1; }),
        FuzzFailure);
}

TEST_F(EventFuzzerNotices, ATickThatSkipsAFrame) {
    EventFuzzer fuzzer(form);
    EXPECT_THROW(
        fuzzer.raise("tick", EventFuzzer::FrameRule::Tick, [this] { form.FrameCount += 2; }),
        FuzzFailure);
}

TEST_F(EventFuzzerNotices, AWaveSetUpThatKeepsTheOldFrameCount) {
    EventFuzzer fuzzer(form);
    fuzzer.raise("tick", EventFuzzer::FrameRule::Tick, [this] { form.tmrOne.tick(); });
    EXPECT_THROW(fuzzer.raise("set up", EventFuzzer::FrameRule::DemoSetUp, [] {}), FuzzFailure);
}

}  // namespace
