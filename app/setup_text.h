#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/point_f.h"

// How a set-up is written out and read back: the names of its choices, whole numbers, decimals
// and points, and the quoting of an address's fragment and of a shell's command line.
namespace setup_text {

// Equal but for the case of the letters A to Z.
bool sameLetters(std::string_view a, std::string_view b);

// The value whose name is `text`, letters of either case; none for another text.
template <class T, std::size_t N>
std::optional<T> byName(const std::pair<T, const char*> (&names)[N], std::string_view text) {
    for (const auto& [value, name] : names) {
        if (sameLetters(text, name))
            return value;
    }
    return std::nullopt;
}

// The name of `value`, "" for a value without one.
template <class T, std::size_t N>
const char* nameOf(const std::pair<T, const char*> (&names)[N], T value) {
    for (const auto& [v, name] : names) {
        if (v == value)
            return name;
    }
    return "";
}

// The whole text, but for blanks around it, as a whole number: an optional sign and digits.
std::optional<int> wholeNumberFrom(std::string_view text);
// The whole text, but for blanks around it, as a plain decimal read alike on every platform: no
// library takes "0x1p3", "inf" or a locale's decimal comma on one and not on another.
std::optional<double> decimalFrom(std::string_view text);
// "X,Y": two decimals.
std::optional<PointF> pointFrom(std::string_view text);

// In double quotation marks, for a message.
std::string quoted(std::string_view text);
// %XX escapes and '+' for a blank, as a browser writes a form into an address; none for a % that
// is not followed by two hex digits.
std::optional<std::string> decoded(std::string_view text);
// The other way: what a fragment keeps as it is, the rest escaped.
std::string encoded(std::string_view text);
// As it is, when a POSIX shell passes it on unchanged; else in single quotes, inside which only
// the quote itself needs care.
std::string shellQuoted(std::string_view text);

}  // namespace setup_text
