#include <emscripten/val.h>

#include "app/form1.h"
#include "app/web_teaching_tools.h"
#include "app/web_test_hook.h"
#include "ui/web/web_form_view.h"

// The browser edition: the same window in a page. The form and its view live as long as the
// page does; main returns at once and the browser's events drive everything from then on.
int main() {
    static Form1 form;
    static WebFormView view(form, emscripten::val::global("document")["body"]);
    emscripten::val::global("document").set("title", form.caption());
    view.load();
    static WebTeachingTools tools(form, view);
    tools.applyAddressSetup();
    web_test_hook::install(form, view);
    return 0;
}
