#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form_parts.h"
#include "app/setup_settings.h"
#include "i18n/translate.h"
#include "ui/web/web_form_view.h"
#include "web/page_services.h"

// The test page (propagation-demos-test.html) is built from this same file with the hook that
// its tests drive; the page that users get has none.
#ifdef PROPAGATION_TEST_HOOK
#include "web/test_hook.h"
#endif

namespace {

// The page's language: `lang=` (or `language=`) in the address's query or fragment, else the first
// of the browser's languages that has a catalogue; English where none has. The page and what it
// says carry it (lang, and dir="rtl" for Arabic); the picture is not mirrored.
void chooseLanguage() {
    const emscripten::val location = emscripten::val::global("location");
    std::optional<std::string> chosen;
    for (const char* part : {"search", "hash"}) {
        std::string text = location[part].as<std::string>();
        if (!text.empty() && text[0] == '?')
            text.erase(0, 1);
        const ParsedSetup setup = SetupSettings::fromFragment(text);
        if (setup.settings.language)
            chosen = setup.settings.language;
    }
    std::vector<std::string> preferred;
    const emscripten::val languages = emscripten::val::global("navigator")["languages"];
    if (languages.isArray()) {
        const int count = languages["length"].as<int>();
        for (int i = 0; i < count; ++i) preferred.push_back(languages[i].as<std::string>());
    }
    if (!chosen || !i18n::setLanguage(*chosen))
        i18n::setLanguage(i18n::pickLanguage(preferred));
    emscripten::val root = emscripten::val::global("document")["documentElement"];
    root.set("lang", std::string(i18n::language().code));
    root.set("dir", std::string(i18n::language().rightToLeft ? "rtl" : "ltr"));
}

}  // namespace

// The browser edition: the same window in a page. The form and its view live as long as the
// page does; main returns at once and the browser's events drive everything from then on.
int main() {
    chooseLanguage();
    static Form1 form;
    static WebFormView view(form, emscripten::val::global("document")["body"]);
    view.setPartsSource([] { return phoneParts(form); });
    emscripten::val::global("document").set("title", i18n::shown(form.caption()));
    view.load();
    static PageServices tools(form, view);
    tools.applyAddressSetup();
#ifdef PROPAGATION_TEST_HOOK
    web_test_hook::install(form, view, tools);
#endif
    return 0;
}
