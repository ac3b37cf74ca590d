#include "ui/program_error_report.h"
#include "i18n/translate.h"

ProgramErrorReport ProgramErrorReport::of(std::string_view what, Outcome outcome) {
    ProgramErrorReport report;
    report.heading =
        outcome == Outcome::Closes
            ? i18n::tr("The program met an error it cannot recover from and will close.")
            : i18n::tr("The program met an error it cannot recover from and has stopped.");
    report.detail = what.empty() ? "an error without a message" : std::string(what);
    return report;
}
