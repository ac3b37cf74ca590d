#pragma once

namespace drawing {

// A box of whole logical pixels, as a native widget is placed.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace drawing
