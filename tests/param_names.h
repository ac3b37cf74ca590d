#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

// Names for the cases of parameterised tests, made from the texts they feed to the program. A
// test name may hold only letters, digits and underscores, so every other character is spelled
// out: "-0.5" is minus_0_point_5, " Two" blank_Two, "" empty. A single blank between two words is
// only the separator ("Plane Wave" is Plane_Wave); a character beyond ASCII is its code point
// (U6CE2).
inline std::string spelledName(std::string_view text) {
    const auto isWordChar = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    std::string name;
    const auto add = [&name](std::string_view token) {
        if (!name.empty())
            name += '_';
        name += token;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isWordChar(c)) {
            std::size_t end = i;
            while (end < text.size() && isWordChar(text[end])) ++end;
            add(text.substr(i, end - i));
            i = end;
            continue;
        }
        if (c == ' ' && i > 0 && isWordChar(text[i - 1]) && i + 1 < text.size() &&
            isWordChar(text[i + 1])) {
            ++i;
            continue;
        }
        char token[16];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xC0) {
            // A UTF-8 sequence: its code point.
            const int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
            unsigned codePoint = byte & (0x3Fu >> extra);
            for (int k = 0; k < extra && i + 1 < text.size(); ++k) {
                codePoint = codePoint << 6 | (static_cast<unsigned char>(text[++i]) & 0x3Fu);
            }
            std::snprintf(token, sizeof token, "U%04X", codePoint);
        } else {
            static constexpr std::pair<char, const char*> kSpelled[] = {
                {' ', "blank"}, {'\t', "tab"},      {'\n', "newline"},
                {'.', "point"}, {',', "comma"},     {'-', "minus"},
                {'+', "plus"},  {'&', "ampersand"}, {'_', "underscore"}};
            std::snprintf(token, sizeof token, "char%02X", byte);
            for (const auto& [character, word] : kSpelled) {
                if (c == character)
                    std::snprintf(token, sizeof token, "%s", word);
            }
        }
        add(token);
        ++i;
    }
    return name.empty() ? "empty" : name;
}

// The name generator of a test whose parameter is the text itself. A text of digits only gets a
// prefix ("4" is number_4), so that its name never reads as the index of the case.
struct SpelledParamName {
    std::string operator()(const ::testing::TestParamInfo<const char*>& info) const {
        const std::string name = spelledName(info.param);
        const bool digitsOnly = name.find_first_not_of("0123456789") == std::string::npos;
        return digitsOnly ? "number_" + name : name;
    }
};
