#pragma once

#include <stdexcept>
#include <string>

// A broken invariant of the program itself (an index outside a control array, a non-finite
// coordinate written to a control). It is never caught inside the model: the view reports it to
// the user and ends the program.
class ProgramError : public std::logic_error {
public:
    explicit ProgramError(const std::string& what) : std::logic_error(what) {}
};
