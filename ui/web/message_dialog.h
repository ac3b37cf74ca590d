#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A message the user reads and closes, over the page: its title as a heading, each line of its
// text a paragraph, a line with a tab in it a row of a table (a key and what it does). A dialog
// for screen readers; the focus goes to its Close button and comes back where it was when it
// closes (the button, or Escape).
class MessageDialog {
public:
    explicit MessageDialog(emscripten::val stage);
    MessageDialog(const MessageDialog&) = delete;
    MessageDialog& operator=(const MessageDialog&) = delete;

    void show(const std::string& title, const std::string& text);
    // A choice among `choices` (a code and what the user reads), each a button; `current` has the
    // focus. `picked` gets the code of the one pressed. Languages' codes name the language each
    // choice is read in, and the current one is marked so.
    enum class Codes { Plain, Languages };
    void choose(const std::string& title,
                const std::vector<std::pair<std::string, std::string>>& choices,
                const std::string& current, std::function<void(const std::string&)> picked,
                Codes codes = Codes::Plain);
    void close();

private:
    emscripten::val box_;
    emscripten::val heading_;
    emscripten::val body_;
    emscripten::val close_;
    emscripten::val focusBefore_ = emscripten::val::null();
    bool open_ = false;
    bool choosing_ = false;  // Tab moves among the choices
    std::function<void(const std::string&)> picked_;

    void open(emscripten::val focus);
};
