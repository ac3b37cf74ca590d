#pragma once

#include <string>
#include <string_view>

// What the user is told when a program error (ProgramError, or anything else thrown out of an
// event) stops the program: a heading that says so, then the error's own words. Each edition
// shows it in its own way (a message box, a box in the page) but in these words.
struct ProgramErrorReport {
    // What becomes of the program: the desktop's window closes after the message; a page cannot
    // close itself, so it stays, stopped, with the message over it.
    enum class Outcome { Closes, Stops };

    static ProgramErrorReport of(std::string_view what, Outcome outcome);

    std::string heading;
    // The error's words; never empty, so that the user always reads what went wrong.
    std::string detail;

    // Heading and detail in one text, a blank line between them.
    std::string text() const { return heading + "\n\n" + detail; }
};
