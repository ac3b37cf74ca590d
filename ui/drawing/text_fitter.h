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

    // The largest size, at most `maxPixels` and at least 1, at which `text`, broken at its spaces
    // into at most `lines` lines, has every line no wider than `widthPixels`; the lines at that
    // size in `broken` (at the smallest size, the text may still break into more).
    int fitLines(const std::string& text, int widthPixels, int maxPixels, int lines,
                 std::vector<std::string>& broken);

private:
    struct Broken {
        int pixels = 1;
        std::vector<std::string> lines;
    };
    // The text's words as few lines no wider than `widthPixels` at `pixels` each, filled in
    // order; empty where one word alone is wider.
    std::vector<std::string> breakLines(const std::string& text, int widthPixels, int pixels) const;
    int largestFitting(const std::string& text, int widthPixels, int maxPixels) const;

    // Answers kept at most; past that, the cache starts again.
    static constexpr std::size_t kMostKept = 2048;
    const TextMeasurer& measurer_;
    std::unordered_map<std::string, int> fitted_;
    std::unordered_map<std::string, Broken> broken_;
};

}  // namespace drawing
