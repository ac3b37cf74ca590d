#!/usr/bin/env python3
"""Writes the C++ tables of the translations (i18n/catalogue_table.h) from compiled catalogues.

    catalogue_table.py OUTPUT.cpp LANGUAGE=FILE.mo ...

Each .mo file, as msgfmt compiled it from po/LANGUAGE.po, is read with Python's own gettext
module: its messages, its headers (Language, X-Language-Name, X-Decimal-Mark) and its plural rule,
which gettext evaluates here for n = 0 to 199.
"""
import gettext
import sys

RIGHT_TO_LEFT = {"ar", "fa", "he", "ur"}


def literal(text):
    out = '"'
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char in '"\\':
            out += "\\" + char
        elif 32 <= byte < 127 and char != "?":
            out += char
        else:
            out += "\\%03o" % byte
    return out + '"'


def main(output, pairs):
    catalogues = []
    for n, pair in enumerate(sorted(pairs)):
        code, path = pair.split("=", 1)
        with open(path, "rb") as mo:
            translations = gettext.GNUTranslations(mo)
        info = translations.info()
        messages = {}
        for key, text in translations._catalog.items():  # noqa: SLF001 (the module's own table)
            if isinstance(key, tuple):
                messages.setdefault(key[0], {})[key[1]] = text
            elif key:
                messages[key] = {0: text}
        lines, forms = [], []
        for key in sorted(messages, key=lambda k: k.encode("utf-8")):
            texts = [messages[key][i] for i in range(len(messages[key]))]
            lines.append(f"    {{{literal(key)}, {len(forms)}, {len(texts)}}},")
            forms += [f"    {literal(text)}," for text in texts]
        plurals = ", ".join(str(translations.plural(i)) for i in range(200))
        catalogues.append((code, info.get("x-language-name", code), code.split("-")[0] in RIGHT_TO_LEFT,
                           info.get("x-decimal-mark", "."), plurals, lines, n, forms))
    with open(output, "w", encoding="utf-8") as out:
        out.write("// Written by po/catalogue_table.py from po/*.po: do not edit.\n")
        out.write('#include "i18n/catalogue_table.h"\n\nnamespace i18n::table {\nnamespace {\n')
        for code, _, _, _, plurals, lines, n, forms in catalogues:
            out.write(f"// {code}\nconst unsigned char kPlural{n}[] = {{{plurals}}};\n")
            # A catalogue with nothing translated yet still has one (unused) row of each.
            out.write(f"const Message kMessages{n}[] = {{\n" +
                      "\n".join(lines or ['    {"", 0, 0},']) + "\n};\n")
            out.write(f"const char* const kForms{n}[] = {{\n" +
                      "\n".join(forms or ['    "",']) + "\n};\n")
        out.write("}  // namespace\n\nconst Catalogue kCatalogues[] = {\n")
        for code, name, rtl, mark, _, lines, n, _ in catalogues:
            out.write(f"    {{{literal(code)}, {literal(name)}, {'true' if rtl else 'false'}, "
                      f"'{mark}', kPlural{n}, kMessages{n}, {len(lines)}, kForms{n}}},\n")
        if not catalogues:
            out.write("    {nullptr, nullptr, false, '.', nullptr, nullptr, 0, nullptr},\n")
        out.write(f"}};\nconst std::size_t kCatalogueCount = {len(catalogues)};\n\n}}  // namespace i18n::table\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
