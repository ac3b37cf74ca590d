#pragma once

#include <string_view>

namespace drawing {

// What only a backend knows: how wide a text is in the program's face. Implemented by each view
// (QFontMetricsF, a Canvas 2D's measureText).
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The advance width, in logical pixels, of the UTF-8 `text` set on one line in the program's
    // sans-serif face at `pixelSize` logical pixels.
    virtual double textWidth(std::string_view text, int pixelSize) const = 0;
};

}  // namespace drawing
