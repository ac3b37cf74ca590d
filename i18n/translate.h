#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for xgettext where it stands without translating it there: the model keeps its
// English ("Horizontal", "Plane Wave") and a view shows the translation (i18n::shown).
#define N_(text) text

// Every text the user reads or hears goes through this one look-up, in both editions: GNU
// gettext's catalogues (po/*.po), compiled by msgfmt and turned into tables at build time. With no
// language chosen, or none that has a catalogue, each text is its English self.
namespace i18n {

struct Language {
    std::string_view code;  // "de", "pt-BR": as a browser's navigator.languages writes it
    std::string_view name;  // in its own language: "Deutsch"
    bool rightToLeft = false;
};

// English first, then every language with a catalogue, by code.
std::span<const Language> languages();

// Picks the language of `code` ("de", "de-AT", "de_AT.UTF-8", "pt-br"): its own catalogue, else
// that of its language without the region ("de" for "de-AT"). Returns false, and leaves the
// language as it was, where there is none; "en" and "C" choose English.
bool setLanguage(std::string_view code);
// The first of the user's languages, in the order of preference, that has a catalogue; "en" where
// none has.
std::string pickLanguage(const std::vector<std::string>& preferred);
// Whether setLanguage(code) would find a catalogue (or English).
bool hasLanguage(std::string_view code);
const Language& language();

// The text in the language in use: gettext, pgettext (a context where one English word has two
// meanings) and ngettext (the form for the number `n`: "1 frame", "2 frames").
const char* tr(const char* text);
const char* trc(const char* context, const char* text);
const char* trn(const char* singular, const char* plural, unsigned long n);

// A translated pattern with its numbers and names put in: "%1$s" is the first argument, "%2$s"
// the second, in whatever order the translation has them; "%%" is a percent sign.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The decimal mark of the language in use: '.' in English, ',' in German.
char decimalMark();
// A number as the model writes it ("2.5", "-0.75") with the language's decimal mark.
std::string localNumber(std::string_view number);

// What a view shows for a text that the model holds in English (a caption, a list's entry, a
// label such as "45 Degrees"): its translation, a number with the language's decimal mark, or a
// number and a translated unit. English texts pass unchanged.
std::string shown(std::string_view modelText);
std::vector<std::string> shown(const std::vector<std::string>& modelTexts);
// What the model gets for a text typed or picked in a view: the model's own entry among
// `entries` whose shown text it is, or the typed text with the language's decimal
// mark read as the model's point ("2,5" is "2.5"). In English, the text as it is.
std::string fromShown(std::string_view typed, const std::vector<std::string>& entries);

}  // namespace i18n
