#pragma once

#include <stdexcept>
#include <string>

// A broken invariant or an error that escaped an event, with the events that led to it.
class FuzzFailure : public std::runtime_error {
public:
    explicit FuzzFailure(const std::string& what) : std::runtime_error(what) {}
};
