#pragma once

#include <emscripten/val.h>

#include <deque>
#include <functional>
#include <string>

// What the page asks of the browser for the teaching tools: files to save, the clipboard and
// the full-screen mode. Each answer comes later (the browser's promises); a refusal comes back
// as its reason, for the page to show.
class BrowserServices {
public:
    // Called with "" when it worked, else with the browser's reason.
    using Done = std::function<void(const std::string& refusal)>;

    BrowserServices();
    BrowserServices(const BrowserServices&) = delete;
    BrowserServices& operator=(const BrowserServices&) = delete;

    // Saves the canvas's picture as a PNG file called `name` (the browser's download).
    void savePng(const emscripten::val& canvas, const std::string& name);
    // Saves `text` as a file of the MIME type `type` called `name`.
    static void saveText(const std::string& text, const std::string& type, const std::string& name);

    // Puts the canvas's picture (image/png) or a text on the clipboard.
    void copyPng(const emscripten::val& canvas, Done done);
    void copyText(const std::string& text, Done done);

    // Whether the page fills the screen; asks for the full-screen mode of `element`, or leaves it.
    static bool fullScreen();
    void setFullScreen(const emscripten::val& element, bool on, Done done);

    // Saves a Blob (a recorded animation) as a file called `name`.
    static void saveBlob(const emscripten::val& blob, const std::string& name);

private:
    void settle(emscripten::val promise, Done done);

    std::deque<std::string> pngNames_;
    emscripten::val pngMade_ = emscripten::val::null();
    // One request to the browser at a time is followed: a newer one takes over the answer.
    Done pending_;
    emscripten::val fulfilled_ = emscripten::val::null();
    emscripten::val rejected_ = emscripten::val::null();
};
