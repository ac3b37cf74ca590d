#pragma once

#include <array>
#include <string>

#include "ui/program_error.h"

// A fixed-size array of Doubles, 0.0 at creation, whose every index is checked: an index outside
// the array is a ProgramError.
template <int N>
class ValueArray {
public:
    static constexpr int kSize = N;
    static constexpr int size() { return N; }

    double& operator[](int index) { return values_[checked(index)]; }
    double operator[](int index) const { return values_[checked(index)]; }

    auto begin() const { return values_.begin(); }
    auto end() const { return values_.end(); }
    void fill(double value) { values_.fill(value); }

private:
    static std::size_t checked(int index) {
        if (index < 0 || index >= N) {
            throw ProgramError("index " + std::to_string(index) + " is outside an array of " +
                               std::to_string(N));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<double, N> values_{};
};
