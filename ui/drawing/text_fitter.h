#pragma once

#include <string>
#include <unordered_map>
#include <vector>

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
    int fit(const std::string& text, int widthPixels, int maxPixels) {
        return fit(text, {}, widthPixels, maxPixels);
    }
    // The largest size at which `caption` and every one of `captionsShown` fit: a caption that
    // changes while the picture runs keeps this one size instead of jumping.
    int fit(const std::string& caption, const std::vector<std::string>& captionsShown,
            int widthPixels, int maxPixels);

private:
    int largestFitting(const std::string& text, int widthPixels, int maxPixels) const;

    const TextMeasurer& measurer_;
    std::unordered_map<std::string, int> fitted_;
};

}  // namespace drawing
