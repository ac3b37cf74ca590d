#include "ui/web/dom_events.h"

#include <emscripten/bind.h>

#include <exception>

using emscripten::val;

std::vector<DomEvents::Handler>& DomEvents::handlers() {
    static std::vector<Handler> registered;
    return registered;
}

std::function<void(const std::string&)>& DomEvents::reporter() {
    static std::function<void(const std::string&)> report = [](const std::string& message) {
        val::global("console").call<void>("error", message);
    };
    return report;
}

val DomEvents::function(Handler handler) {
    handlers().push_back(std::move(handler));
    return val::module_property("handler")(static_cast<int>(handlers().size()) - 1);
}

void DomEvents::listen(const val& target, const char* type, Handler handler) {
    target.call<void>("addEventListener", val(type), function(std::move(handler)));
}

void DomEvents::setErrorReporter(std::function<void(const std::string&)> reporter) {
    DomEvents::reporter() = std::move(reporter);
}

// Nothing may unwind into the browser: an exception there would end the module for good.
void DomEvents::dispatch(int id, val event) {
    if (id < 0 || id >= static_cast<int>(handlers().size()))
        return;
    try {
        handlers()[static_cast<std::size_t>(id)](std::move(event));
    } catch (const std::exception& error) {
        reporter()(error.what());
    } catch (...) {
        reporter()("an unknown error");
    }
}

EMSCRIPTEN_BINDINGS(dom_events) {
    emscripten::function("dispatchDomEvent", &DomEvents::dispatch);
}
