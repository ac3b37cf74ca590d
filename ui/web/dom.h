#pragma once

#include <emscripten/val.h>

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

}  // namespace dom
