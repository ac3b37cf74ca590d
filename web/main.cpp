#include <emscripten/val.h>

#include "app/form1.h"
#include "app/form_parts.h"
#include "ui/web/web_form_view.h"
#include "web/page_services.h"

// The test page (propagation-demos-test.html) is built from this same file with the hook that
// its tests drive; the page that users get has none.
#ifdef PROPAGATION_TEST_HOOK
#include "web/test_hook.h"
#endif

// The browser edition: the same window in a page. The form and its view live as long as the
// page does; main returns at once and the browser's events drive everything from then on.
int main() {
    static Form1 form;
    static WebFormView view(form, emscripten::val::global("document")["body"]);
    view.setPartsSource([] { return phoneParts(form); });
    emscripten::val::global("document").set("title", form.caption());
    view.load();
    static PageServices tools(form, view);
    tools.applyAddressSetup();
#ifdef PROPAGATION_TEST_HOOK
    web_test_hook::install(form, view, tools);
#endif
    return 0;
}
