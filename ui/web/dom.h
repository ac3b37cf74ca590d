#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "ui/colour.h"
#include "ui/drawing/pixel_rect.h"
#include "ui/drawing/primitives.h"

// Small helpers over the page's DOM.
namespace dom {

emscripten::val document();
emscripten::val create(const char* tag, const char* className);
void setAttribute(const emscripten::val& element, const char* name, const std::string& value);
void setStyle(const emscripten::val& element, const char* property, const std::string& value);
// Writes a property only when it differs, so that an unchanged element is not laid out again.
void setText(const emscripten::val& element, const std::string& text);
std::string pixels(double value);
// A colour as CSS writes it: #rrggbb when opaque, else rgba().
std::string cssColour(const drawing::Rgba& colour);
std::string cssColour(Colour colour);
// Puts an absolutely positioned element on the box, in CSS pixels of the stage.
void place(const emscripten::val& element, const drawing::PixelRect& box);
void setShown(const emscripten::val& element, bool shown);

// What the view last wrote to one attribute or text of an element that nothing else writes, kept
// on this side: the same value again costs no call into the page, not even to read it back. A
// running picture brings every control's words in step at each tick, and most stay as they were.
class Written {
public:
    // Whether `value` differs from the last one taken (the first always does); keeps it.
    bool take(const std::string& value) {
        if (last_ == value)
            return false;
        last_ = value;
        return true;
    }

private:
    std::optional<std::string> last_;
};
void setAttribute(const emscripten::val& element, const char* name, const std::string& value,
                  Written& written);
void setText(const emscripten::val& element, const std::string& text, Written& written);

}  // namespace dom
