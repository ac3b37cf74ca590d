#pragma once

#include <cstdint>
#include <random>

// The program's one source of random numbers: uniform on [0, 1), started from the same fixed
// seed in every run. The Mersenne Twister's raw output is fixed by the C++ standard; the scaling
// to [0, 1) is done here by hand (24 bits, exact in single precision), because the library's
// distributions may differ between standard libraries.
class UniformRandom {
public:
    static constexpr std::uint32_t kSeed = 5489u;

    double next() { return static_cast<double>(engine_() >> 8) * (1.0 / 16777216.0); }

private:
    std::mt19937 engine_{kSeed};
};
