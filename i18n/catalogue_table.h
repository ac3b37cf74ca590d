#pragma once

#include <cstddef>

// The catalogues as the build writes them (po/catalogue_table.py, from the .mo files that msgfmt
// compiles out of po/*.po): one table a language, its messages sorted by key.
namespace i18n::table {

struct Message {
    const char* key;  // the msgid, after "context\x04" where it has a context
    unsigned first;   // where its forms begin in the catalogue's forms
    unsigned count;   // how many: a plural message has one a plural form, others one
};

struct Catalogue {
    const char* code;  // "de", "pt-BR"
    const char* name;  // "Deutsch"
    bool rightToLeft;
    char decimalMark;
    // The plural form for n = 0 to 199; above that, n % 100 + 100 has the same form in every
    // language shipped (gettext's own rule, evaluated by Python's gettext when the table is made).
    const unsigned char* pluralForms;
    const Message* messages;
    std::size_t size;
    const char* const* forms;
};

extern const Catalogue kCatalogues[];
extern const std::size_t kCatalogueCount;

}  // namespace i18n::table
