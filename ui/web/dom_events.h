#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

// C++ handlers for DOM events and timer callbacks. Each handler gets a JavaScript function that
// calls it; handlers live as long as the page, as do the elements they listen to.
class DomEvents {
public:
    using Handler = std::function<void(emscripten::val event)>;

    // A JavaScript function that runs `handler` with its argument (null from a timer).
    static emscripten::val function(Handler handler);
    // Adds `handler` as a listener of `type` events on `target`.
    static void listen(const emscripten::val& target, const char* type, Handler handler);

    // Where a fault that escapes a handler goes; by default the browser's console.
    static void setErrorReporter(std::function<void(const std::string&)> reporter);

    // Called from JavaScript (ui/web/bridge.js).
    static void dispatch(int id, emscripten::val event);

private:
    static std::vector<Handler>& handlers();
    static std::function<void(const std::string&)>& reporter();
};
