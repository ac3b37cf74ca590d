#include "ui/drawing/text_fitter.h"

namespace drawing {

int TextFitter::fit(const std::string& caption, const std::vector<std::string>& captionsShown,
                    int widthPixels, int maxPixels) {
    std::string key = std::to_string(widthPixels) + '/' + std::to_string(maxPixels) + '/' + caption;
    for (const std::string& text : captionsShown) (key += '\n') += text;
    const auto known = fitted_.find(key);
    if (known != fitted_.end()) {
        return known->second;
    }
    // Each text is tried from the size the ones before it fit at, downwards.
    int pixels = largestFitting(caption, widthPixels, maxPixels);
    for (const std::string& text : captionsShown) {
        pixels = largestFitting(text, widthPixels, pixels);
    }
    fitted_.emplace(std::move(key), pixels);
    return pixels;
}

int TextFitter::largestFitting(const std::string& text, int widthPixels, int maxPixels) const {
    for (int pixels = maxPixels; pixels > 1; --pixels) {
        if (measurer_.textWidth(text, pixels) <= widthPixels) {
            return pixels;
        }
    }
    return 1;
}

}  // namespace drawing
