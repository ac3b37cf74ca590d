#pragma once

#include <array>
#include <string>

#include "ui/program_error.h"

// A fixed-size array of controls addressed by an index from 0. An index outside the array is a
// ProgramError, never undefined behaviour.
template <class T, int N>
class ControlArray {
public:
    static constexpr int kSize = N;
    static constexpr int size() { return N; }

    T& operator[](int index) { return items_[checked(index)]; }
    const T& operator[](int index) const { return items_[checked(index)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Names the elements "name(0)" to "name(N-1)".
    void setName(const std::string& name) {
        name_ = name;
        for (int i = 0; i < N; ++i)
            items_[static_cast<std::size_t>(i)].setName(name + "(" + std::to_string(i) + ")");
    }
    const std::string& name() const { return name_; }

private:
    std::size_t checked(int index) const {
        if (index < 0 || index >= N) {
            throw ProgramError("index " + std::to_string(index) + " is outside " + name_ +
                               "(0 to " + std::to_string(N - 1) + ")");
        }
        return static_cast<std::size_t>(index);
    }

    std::string name_;
    std::array<T, N> items_{};
};
