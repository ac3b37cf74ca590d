#include "ui/number_rules.h"

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "ui/program_error.h"

namespace number_rules {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the longest prefix of `s` that is a decimal number by the grammar
//   [+-]? (digits [. digits*]? | . digits) ([eE] [+-]? digits)?
// or 0 when there is none.
std::size_t decimalPrefixLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    const std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t exponentDigitsStart = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > exponentDigitsStart)
            return j;
    }
    return mantissaEnd;
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// printf in the C locale, whatever locale the program runs in (Qt sets the user's).
std::string cFormat(const char* format, int precision, double value) {
    const locale_t previous = uselocale(cLocale());
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    uselocale(previous);
    return text;
}

// `number` holds only sign, digits, point and exponent, so the C-locale conversion reads all of
// it and nothing else. Beyond the double range it gives an infinity, below it 0 or a denormal.
double decimalValue(std::string_view number) {
    return strtod_l(std::string(number).c_str(), nullptr, cLocale());
}

}  // namespace

double numericValue(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    const std::string_view rest = text.substr(start);
    const std::size_t length = decimalPrefixLength(rest);
    if (length == 0)
        return 0.0;

    const double value = decimalValue(rest.substr(0, length));
    if (std::isinf(value)) {
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    return value;
}

std::optional<double> wholeDecimal(std::string_view text) {
    if (text.empty() || decimalPrefixLength(text) != text.size())
        return std::nullopt;
    const double value = decimalValue(text);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::int16_t roundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw ProgramError(
            "16-bit integer overflow while rounding " +
            (std::isfinite(value) ? shortestText(value) : "a value that is not finite"));
    }
    return static_cast<std::int16_t>(rounded);
}

double floorOf(double value) {
    return std::floor(value);
}

std::int16_t multiplyInt16(std::int16_t a, std::int16_t b) {
    const int product = int{a} * int{b};
    if (product < -32768 || product > 32767) {
        throw ProgramError("16-bit integer overflow in " + std::to_string(a) + " x " +
                           std::to_string(b));
    }
    return static_cast<std::int16_t>(product);
}

bool fitsSingle(double value) {
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

std::string wholeText(double value) {
    const long whole = std::lround(value);
    return std::to_string(whole == 0 ? 0 : whole);
}

std::string fixedText(double value, int decimals) {
    return cFormat("%.*f", decimals, value);
}

std::string shortestText(double value) {
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    std::string scientific;
    for (int precision = 0; precision <= 17; ++precision) {
        scientific = cFormat("%.*e", precision, value);
        if (decimalValue(scientific) == value)
            break;
    }
    // "-d.ddde+XX": the sign, the significant digits and the exponent.
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.')
            digits += scientific[i];
    }
    const int exponent = static_cast<int>(decimalValue(scientific.substr(e + 1)));
    const int count = static_cast<int>(digits.size());
    std::string plain;
    if (exponent >= count - 1) {
        plain = digits + std::string(static_cast<std::size_t>(exponent - (count - 1)), '0');
    } else if (exponent >= 0) {
        plain = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                digits.substr(static_cast<std::size_t>(exponent + 1));
    } else {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    if (negative)
        plain.insert(0, "-");
    return plain.size() <= scientific.size() ? plain : scientific;
}

}  // namespace number_rules
