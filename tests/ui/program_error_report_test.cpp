#include "ui/program_error_report.h"

#include <gtest/gtest.h>

#include "ui/program_error.h"

namespace {

using Outcome = ProgramErrorReport::Outcome;

// The desktop's window closes after its message box; the page stays, stopped (the browser tests
// look for "cannot recover from and has stopped" in the page's alert).
TEST(ProgramErrorReport, TheHeadingSaysWhatBecomesOfTheProgram) {
    EXPECT_EQ(ProgramErrorReport::of("x", Outcome::Closes).heading,
              "The program met an error it cannot recover from and will close.");
    EXPECT_EQ(ProgramErrorReport::of("x", Outcome::Stops).heading,
              "The program met an error it cannot recover from and has stopped.");
}

TEST(ProgramErrorReport, TheDetailIsTheErrorsOwnWords) {
    const ProgramError error("index 97 is outside lnePlot");
    for (Outcome outcome : {Outcome::Closes, Outcome::Stops}) {
        const ProgramErrorReport report = ProgramErrorReport::of(error.what(), outcome);
        EXPECT_EQ(report.detail, error.what());
        EXPECT_EQ(report.text(), report.heading + "\n\n" + error.what());
    }
}

// Whatever was thrown, the user reads that something went wrong, never an empty line.
TEST(ProgramErrorReport, AnErrorWithoutWordsIsStillNamed) {
    for (Outcome outcome : {Outcome::Closes, Outcome::Stops}) {
        const ProgramErrorReport report = ProgramErrorReport::of("", outcome);
        EXPECT_EQ(report.detail, "an error without a message");
        EXPECT_EQ(report.text(), report.heading + "\n\nan error without a message");
    }
}

}  // namespace
