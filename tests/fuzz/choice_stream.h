#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

// The decisions of a fuzzed session: either read from a byte string (libFuzzer's input, which it
// mutates) or drawn from a seeded generator (the bounded runs of the test suite). Past the end of
// a byte string every choice is 0, so a short input still makes a whole, valid session.
class ChoiceStream {
public:
    ChoiceStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ChoiceStream(std::uint64_t seed) : seeded_(true), engine_(seed) {}

    // True once a byte-string stream has handed out every byte; a seeded stream never ends.
    bool exhausted() const { return !seeded_ && position_ >= size_; }

    std::uint8_t byte() {
        if (seeded_)
            return static_cast<std::uint8_t>(engine_() >> 56);
        return position_ < size_ ? data_[position_++] : 0;
    }
    std::uint32_t u32() {
        if (seeded_)
            return static_cast<std::uint32_t>(engine_() >> 32);
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | byte();
        return value;
    }
    std::uint64_t u64() { return std::uint64_t{u32()} << 32 | u32(); }

    // A whole number in [0, n), n > 0. From bytes, one byte decides when n fits in one, so that
    // a mutation of one byte changes one decision.
    std::uint32_t below(std::uint32_t n) {
        if (n <= 256 && !seeded_)
            return byte() % n;
        return u32() % n;
    }
    // A whole number in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low) + 1));
    }
    bool oneIn(std::uint32_t n) { return below(n) == 0; }
    // Uniform on [0, 1).
    double unit() { return static_cast<double>(u32() >> 8) * (1.0 / 16777216.0); }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    bool seeded_ = false;
    std::mt19937_64 engine_{0};
};
