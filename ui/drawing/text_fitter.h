#pragma once

#include <string>
#include <unordered_map>

#include "ui/drawing/text_measurer.h"

namespace drawing {

// Captions are never clipped: where the face at hand is too wide for a box, the text gets
// smaller. Sizes are whole logical pixels. Measuring text is the costly part, so every answer is
// kept; one fitter serves one measurer (one face).
class TextFitter {
public:
    explicit TextFitter(const TextMeasurer& measurer) : measurer_(measurer) {}

    // The largest pixel size, at most `maxPixels` and at least 1, at which `text` is no wider
    // than `widthPixels`.
    int fit(const std::string& text, int widthPixels, int maxPixels);

private:
    const TextMeasurer& measurer_;
    std::unordered_map<std::string, int> fitted_;
};

}  // namespace drawing
