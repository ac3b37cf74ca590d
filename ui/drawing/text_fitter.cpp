#include "ui/drawing/text_fitter.h"

#include <algorithm>

namespace drawing {

int TextFitter::fit(const std::string& text, int widthPixels, int maxPixels) {
    std::string key = std::to_string(widthPixels) + '/' + std::to_string(maxPixels) + '/' + text;
    const auto known = fitted_.find(key);
    if (known != fitted_.end()) {
        return known->second;
    }
    int pixels = maxPixels;
    while (pixels > 1 && measurer_.textWidth(text, pixels) > widthPixels) --pixels;
    pixels = std::max(pixels, 1);
    fitted_.emplace(std::move(key), pixels);
    return pixels;
}

}  // namespace drawing
