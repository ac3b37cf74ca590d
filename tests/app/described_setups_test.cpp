#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "app/form1.h"
#include "app/narration.h"
#include "app/picture_description.h"
#include "app/setup_settings.h"

namespace {

using words::Kind;
using words::Sentence;

// Set-ups that between them make every kind of sentence, and the news of a running picture.
const char* const kSetups[] = {"demo=Plane+Wave&one=20&two=0.0&paused",
                               "demo=Plane+Wave&one=Two&two=-1&projector",
                               "demo=Plane+Wave&two=0.5",
                               "demo=Group+Velocity",
                               "demo=Group+Velocity&one=0.5&two=2.0",
                               "demo=Group+Velocity&one=2.0&two=0.5",
                               "demo=Group+Velocity&one=0.0",
                               "demo=Group+Velocity&two=0.0",
                               "demo=Group+Velocity&one=0.0&two=0.0",
                               "demo=Polarisation",
                               "demo=Polarisation&two=Vertical&phase=90",
                               "demo=Polarisation&two=Vertical&phase=45",
                               "demo=Polarisation&two=Horizontal&phase=180",
                               "demo=Polarisation&one=Sideways&two=Vertical&phase=-30",
                               "demo=Rayleigh&one=One",
                               "demo=Rayleigh&one=Many",
                               "demo=Rayleigh&one=Ten&histogram",
                               "demo=Rayleigh&one=Ten&rate=20&histogram&theory=Rayleigh",
                               "demo=Ricean&one=Ten&fixed=10",
                               "demo=Ricean&one=Ten&fixed=0",
                               "demo=Ricean&one=Three&fixed=2&rate=20&histogram&theory=Ricean",
                               "demo=Phasors",
                               "demo=Phasors&tip1=1600,150&tip2=1600,2200",
                               "demo=Phasors&tip1=1600,150&tip2=1600,5070",
                               "demo=Phasors&tip1=1600,150&tip2=3040,3640",
                               "demo=Phasors&tip1=1600,150&tip2=3040,2200",
                               "demo=Rayleigh&one=Ten&paused&speed=half",
                               "demo=Rayleigh&one=Ten&record&rate=20",
                               "demo=Ricean&one=Five&record&threshold=5&speed=quarter",
                               "demo=Polarisation&ellipse",
                               "demo=Phasors&numbers&tip1=2400,780",
                               "demo=Nothing"};

// Everything a screen reader is told of one set-up as it runs: the picture's name, its
// description after 0, 300 and 3000 frames, each sentence the running picture says with the
// frame it says it at, and what the controls tell of their values.
std::string transcript(const char* setup, std::set<Kind>& kinds) {
    Form1 form;
    form.load();
    const ParsedSetup parsed = SetupSettings::fromFragment(setup);
    EXPECT_EQ(parsed.settings.apply(form, [](const std::function<void()>& a) { a(); }), "");
    Narration narration(form);
    std::ostringstream out;
    out << "== " << setup << "\n" << narration.describeAll() << "\n";
    for (const Sentence& s : picture_description::describe(form)) kinds.insert(s.kind);
    for (int tick = 1; tick <= 3000; ++tick) {
        form.tmrOne.tick();
        const std::string said = narration.delivered(EventCause::Tick, tick * 100.0);
        if (!said.empty())
            out << "said at " << tick << ": " << said << "\n";
        for (const Sentence& s : picture_description::describe(form)) kinds.insert(s.kind);
        if (tick == 300 || tick == 3000)
            out << "at " << tick << ": " << narration.describeAll() << "\n";
    }
    for (const ScrollBar* bar :
         {&form.hscPhase, &form.hscAmp1, &form.hscAmp2, &form.hscRate, &form.hscFixed}) {
        out << bar->name() << ": " << bar->accessibleValue() << "\n";
    }
    for (int k = 0; k < 3; ++k)
        out << "tip " << k << ": " << form.cmdPhasor[k].accessibleDescription() << "\n";
    out << "cmdHist: " << form.cmdHist.accessibleDescription() << "\n";
    return out.str();
}

// The words are the program's for a student who cannot see the picture: a change of the code
// that moves a word or a number of them shows here, set-up by set-up. The expected transcript is
// tests/app/described_setups.txt; on a difference the whole new one is written beside the test
// binary, to read against it (and to copy over it when the change of words is meant).
TEST(PictureDescription, EverySetUpIsDescribedAsTheTranscriptSays) {
    std::set<Kind> kinds;
    std::string actual;
    for (const char* setup : kSetups) actual += transcript(setup, kinds);
    for (int k = 0; k < words::kKinds; ++k) {
        EXPECT_TRUE(kinds.contains(static_cast<Kind>(k))) << "no set-up makes kind " << k;
    }
    std::ifstream file(PROPAGATION_DESCRIBED_SETUPS);
    std::stringstream expected;
    expected << file.rdbuf();
    if (actual != expected.str()) {
        std::ofstream("described_setups.actual.txt") << actual;
        std::istringstream a(actual);
        std::istringstream e(expected.str());
        std::string lineA;
        std::string lineE;
        int line = 0;
        while (true) {
            ++line;
            const bool moreA = static_cast<bool>(std::getline(a, lineA));
            const bool moreE = static_cast<bool>(std::getline(e, lineE));
            if (!moreA && !moreE)
                break;
            if (!moreA || !moreE || lineA != lineE) {
                ADD_FAILURE() << "line " << line << " differs:\n  expected: " << lineE
                              << "\n  actual:   " << lineA
                              << "\n(the whole transcript: described_setups.actual.txt)";
                break;
            }
        }
    }
}

}  // namespace
