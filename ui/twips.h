#pragma once

// The window's coordinate unit: 1/1440 inch, 15 twips to a pixel at 96 dots per inch.
namespace twips {
inline constexpr double kPerPixel = 15.0;
inline constexpr double kPerPoint = 20.0;
}  // namespace twips
