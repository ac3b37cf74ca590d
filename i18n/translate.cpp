#include "i18n/translate.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "i18n/catalogue_table.h"

namespace i18n {
namespace {

constexpr Language kEnglish{"en", "English", false};
// The tests' pseudo-language: English with accents, a third longer; chosen by its code only.
constexpr Language kPseudo{"en-XA", "English (pseudo)", false};

// The languages with a catalogue, English first; made once, in the tables' order.
const std::vector<Language>& allLanguages() {
    static const std::vector<Language> all = [] {
        std::vector<Language> list{kEnglish};
        for (std::size_t i = 0; i < table::kCatalogueCount; ++i) {
            const table::Catalogue& c = table::kCatalogues[i];
            if (std::string_view(c.code) != kPseudo.code)
                list.push_back({c.code, c.name, c.rightToLeft});
        }
        return list;
    }();
    return all;
}

const table::Catalogue* current = nullptr;
const Language* currentLanguage = &kEnglish;

const table::Catalogue* catalogueOf(std::string_view code) {
    for (std::size_t i = 0; i < table::kCatalogueCount; ++i) {
        if (code == table::kCatalogues[i].code)
            return &table::kCatalogues[i];
    }
    return nullptr;
}

// "de_AT.UTF-8@euro" and "DE-at" both become "de-AT".
std::string normalised(std::string_view code) {
    code = code.substr(0, code.find_first_of(".@"));
    std::string out;
    bool region = false;
    for (const char c : code) {
        if (c == '_' || c == '-') {
            region = true;
            out += '-';
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += static_cast<char>(region ? std::toupper(u) : std::tolower(u));
        }
    }
    return out;
}

// The index in allLanguages() of `code` or of its language without the region; 0 for English, -1
// for none.
int find(std::string_view code) {
    const std::string wanted = normalised(code);
    if (wanted == "en" || wanted.rfind("en-", 0) == 0 || wanted == "c" || wanted == "posix")
        return wanted == "en-XA" ? -2 : 0;
    const auto& all = allLanguages();
    for (const std::string& candidate : {wanted, wanted.substr(0, wanted.find('-'))}) {
        for (std::size_t i = 1; i < all.size(); ++i) {
            if (all[i].code == candidate)
                return static_cast<int>(i);
        }
    }
    return -1;
}

const table::Message* lookUp(const char* key) {
    if (current == nullptr)
        return nullptr;
    const table::Message* begin = current->messages;
    const table::Message* end = begin + current->size;
    const table::Message* found = std::lower_bound(
        begin, end, key,
        [](const table::Message& m, const char* k) { return std::strcmp(m.key, k) < 0; });
    return found != end && std::strcmp(found->key, key) == 0 ? found : nullptr;
}

const char* form(const table::Message* message, unsigned index) {
    if (message->count == 0)
        return nullptr;  // the placeholder row of a catalogue with nothing translated
    const char* text = current->forms[message->first + std::min(index, message->count - 1)];
    return *text != '\0' ? text : nullptr;  // an empty form is not translated yet
}

}  // namespace

std::span<const Language> languages() {
    return allLanguages();
}

bool setLanguage(std::string_view code) {
    const int index = find(code);
    if (index == -2) {
        current = catalogueOf(kPseudo.code);
        currentLanguage = current != nullptr ? &kPseudo : &kEnglish;
        return current != nullptr;
    }
    if (index < 0)
        return false;
    currentLanguage = &allLanguages()[static_cast<std::size_t>(index)];
    current = index == 0 ? nullptr : catalogueOf(currentLanguage->code);
    return true;
}

std::string pickLanguage(const std::vector<std::string>& preferred) {
    for (const std::string& code : preferred) {
        const int index = find(code);
        if (index >= 0)
            return std::string(allLanguages()[static_cast<std::size_t>(index)].code);
    }
    return "en";
}

bool hasLanguage(std::string_view code) {
    const int index = find(code);
    return index >= 0 || (index == -2 && catalogueOf(kPseudo.code) != nullptr);
}

const Language& language() {
    return *currentLanguage;
}

const char* tr(const char* text) {
    const table::Message* m = lookUp(text);
    const char* translated = m != nullptr ? form(m, 0) : nullptr;
    return translated != nullptr ? translated : text;
}

const char* trc(const char* context, const char* text) {
    if (current == nullptr)
        return text;
    const std::string key = std::string(context) + '\x04' + text;
    const table::Message* m = lookUp(key.c_str());
    const char* translated = m != nullptr ? form(m, 0) : nullptr;
    return translated != nullptr ? translated : text;
}

const char* trn(const char* singular, const char* plural, unsigned long n) {
    const table::Message* m = lookUp(singular);
    if (m != nullptr) {
        const unsigned index = current->pluralForms[n < 200 ? n : n % 100 + 100];
        if (const char* translated = form(m, index))
            return translated;
    }
    return n == 1 ? singular : plural;
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        if (pattern[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // %N$s: the Nth argument (1 to 9).
        if (i + 3 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
            pattern[i + 2] == '$' && pattern[i + 3] == 's') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < arguments.size())
                out += arguments.begin()[n];
            i += 3;
            continue;
        }
        out += '%';
    }
    return out;
}

char decimalMark() {
    return current != nullptr ? current->decimalMark : '.';
}

std::string localNumber(std::string_view number) {
    std::string out(number);
    if (decimalMark() != '.')
        std::replace(out.begin(), out.end(), '.', decimalMark());
    return out;
}

namespace {

bool isNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '-' || text[i] == '+')
        ++i;
    bool digits = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits = true;
        else if (text[i] != '.')
            return false;
    }
    return digits;
}

}  // namespace

std::string shown(std::string_view modelText) {
    if (current == nullptr)
        return std::string(modelText);
    const std::string text(modelText);
    const char* translated = tr(text.c_str());
    if (translated != text.c_str())
        return translated;
    if (isNumber(text))
        return localNumber(text);
    // A number and its unit: "45 Degrees".
    const std::size_t space = text.rfind(' ');
    if (space != std::string::npos && space > 0 && isNumber(text.substr(0, space))) {
        const std::string unit = text.substr(space + 1);
        return localNumber(text.substr(0, space)) + ' ' + tr(unit.c_str());
    }
    return text;
}

std::vector<std::string> shown(const std::vector<std::string>& modelTexts) {
    std::vector<std::string> out;
    out.reserve(modelTexts.size());
    for (const std::string& text : modelTexts) out.push_back(shown(text));
    return out;
}

std::string fromShown(std::string_view typed, const std::vector<std::string>& entries) {
    if (current == nullptr)
        return std::string(typed);
    for (const std::string& entry : entries) {
        if (typed == shown(entry))
            return entry;
    }
    std::string out(typed);
    if (decimalMark() != '.')
        std::replace(out.begin(), out.end(), decimalMark(), '.');
    return out;
}

}  // namespace i18n
