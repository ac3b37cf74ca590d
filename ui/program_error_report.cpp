#include "ui/program_error_report.h"

ProgramErrorReport ProgramErrorReport::of(std::string_view what, Outcome outcome) {
    ProgramErrorReport report;
    report.heading = outcome == Outcome::Closes
                         ? "The program met an error it cannot recover from and will close."
                         : "The program met an error it cannot recover from and has stopped.";
    report.detail = what.empty() ? "an error without a message" : std::string(what);
    return report;
}
