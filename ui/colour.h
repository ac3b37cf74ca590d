#pragma once

#include <cstdint>

// A colour as the platform stores it: 24 bits written 0xBBGGRR, blue in the high byte.
class Colour {
public:
    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t bgr) : bgr_(bgr & 0xFFFFFFu) {}
    static constexpr Colour fromRgb(int red, int green, int blue) {
        return Colour(
            static_cast<std::uint32_t>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF)));
    }

    constexpr std::uint32_t bgr() const { return bgr_; }
    constexpr int red() const { return static_cast<int>(bgr_ & 0xFF); }
    constexpr int green() const { return static_cast<int>(bgr_ >> 8 & 0xFF); }
    constexpr int blue() const { return static_cast<int>(bgr_ >> 16 & 0xFF); }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    std::uint32_t bgr_ = 0;
};

namespace colours {
inline constexpr Colour kBlack{0x000000};
inline constexpr Colour kDarkGreen{0x008000};
inline constexpr Colour kGreen{0x00C000};
inline constexpr Colour kBlue{0xC00000};
inline constexpr Colour kBrightBlue{0xFF0000};
inline constexpr Colour kPurple{0xC000C0};
inline constexpr Colour kTeal{0x808000};
inline constexpr Colour kLightBlue{0xFFF000};
}  // namespace colours
