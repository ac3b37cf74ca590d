#include "ui/drawing/text_fitter.h"

#include <algorithm>

namespace drawing {

int TextFitter::fit(const std::string& caption, const std::vector<std::string>& captionsShown,
                    int widthPixels, int maxPixels) {
    std::string key = std::to_string(widthPixels) + '/' + std::to_string(maxPixels) + '/' + caption;
    for (const std::string& text : captionsShown) (key += '\n') += text;
    const auto known = fitted_.find(key);
    if (known != fitted_.end()) {
        return known->second;
    }
    if (fitted_.size() >= kMostKept)
        fitted_.clear();
    // Each text is tried from the size the ones before it fit at, downwards.
    int pixels = largestFitting(caption, widthPixels, maxPixels);
    for (const std::string& text : captionsShown) {
        pixels = largestFitting(text, widthPixels, pixels);
    }
    fitted_.emplace(std::move(key), pixels);
    return pixels;
}

int TextFitter::fitLines(const std::string& text, int widthPixels, int maxPixels, int lines,
                         std::vector<std::string>& broken) {
    std::string key = std::to_string(widthPixels) + '/' + std::to_string(maxPixels) + '/' +
                      std::to_string(lines) + '/' + text;
    auto known = broken_.find(key);
    if (known == broken_.end()) {
        // Numbers that change with every frame would fill the memory in a long session.
        if (broken_.size() >= kMostKept)
            broken_.clear();
        Broken fitted;
        for (fitted.pixels = std::max(maxPixels, 1); fitted.pixels > 1; --fitted.pixels) {
            fitted.lines = breakLines(text, widthPixels, fitted.pixels);
            if (!fitted.lines.empty() && static_cast<int>(fitted.lines.size()) <= lines)
                break;
        }
        if (fitted.pixels == 1)
            fitted.lines = breakLines(text, widthPixels, 1);
        if (fitted.lines.empty())
            fitted.lines = {text};
        known = broken_.emplace(std::move(key), std::move(fitted)).first;
    }
    broken = known->second.lines;
    return known->second.pixels;
}

std::vector<std::string> TextFitter::breakLines(const std::string& text, int widthPixels,
                                                int pixels) const {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!out.empty() && measurer_.textWidth(out.back() + ' ' + word, pixels) <= widthPixels) {
            out.back() += ' ' + word;
        } else if (measurer_.textWidth(word, pixels) <= widthPixels) {
            out.push_back(word);
        } else {
            return {};
        }
        start = end + 1;
    }
    return out;
}

// A text's width grows with its size, about in proportion: the walk starts from the size in
// proportion to the width at the largest and goes to the largest that fits, a measure or three
// where trying every size down from the largest took up to twenty.
int TextFitter::largestFitting(const std::string& text, int widthPixels, int maxPixels) const {
    if (maxPixels <= 1)
        return 1;
    const double widest = measurer_.textWidth(text, maxPixels);
    if (widest <= widthPixels)
        return maxPixels;
    // In doubles until it is in range: a box of no width over an empty text would divide by 0.
    const double guess = widest > 0 ? maxPixels * widthPixels / widest : 1;
    int pixels = static_cast<int>(std::clamp(guess, 1.0, maxPixels - 1.0));
    if (measurer_.textWidth(text, pixels) <= widthPixels) {
        while (pixels + 1 < maxPixels && measurer_.textWidth(text, pixels + 1) <= widthPixels)
            ++pixels;
        return pixels;
    }
    while (pixels > 1) {
        --pixels;
        if (measurer_.textWidth(text, pixels) <= widthPixels)
            return pixels;
    }
    return 1;
}

}  // namespace drawing
