#include "demos/words.h"

#include <cmath>

#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace words {

std::string spoken(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::nearbyint(value * scale) / scale;
    if (rounded == 0)
        return "0";
    std::string text = number_rules::fixedText(std::abs(rounded), decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    // The language's decimal mark, and its word for a minus sign.
    text = i18n::localNumber(text);
    return rounded < 0 ? i18n::format(i18n::tr("minus %1$s"), {text}) : text;
}

std::string quoted(const std::string& text) {
    return "\"" + i18n::shown(text) + "\"";
}

}  // namespace words
