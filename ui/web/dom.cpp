#include "ui/web/dom.h"

#include <cstdio>

using emscripten::val;

namespace dom {

val document() {
    return val::global("document");
}

val create(const char* tag, const char* className) {
    val element = document().call<val>("createElement", val(tag));
    element.set("className", val(className));
    return element;
}

void setAttribute(const val& element, const char* name, const std::string& value) {
    const val current = element.call<val>("getAttribute", val(name));
    if (current.isString() && current.as<std::string>() == value)
        return;
    val(element).call<void>("setAttribute", val(name), value);
}

void setStyle(const val& element, const char* property, const std::string& value) {
    val style = element["style"];
    if (style[property].as<std::string>() == value)
        return;
    style.set(property, value);
}

void setText(const val& element, const std::string& text) {
    if (element["textContent"].as<std::string>() == text)
        return;
    val(element).set("textContent", text);
}

void setAttribute(const val& element, const char* name, const std::string& value,
                  Written& written) {
    if (written.take(value))
        val(element).call<void>("setAttribute", val(name), value);
}

void setText(const val& element, const std::string& text, Written& written) {
    if (written.take(text))
        val(element).set("textContent", text);
}

std::string pixels(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3fpx", value);
    return text;
}

std::string cssColour(const drawing::Rgba& colour) {
    char text[40];
    if (colour.alpha == 255) {
        std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    } else {
        std::snprintf(text, sizeof text, "rgba(%d,%d,%d,%.4f)", colour.red, colour.green,
                      colour.blue, colour.alpha / 255.0);
    }
    return text;
}

std::string cssColour(Colour colour) {
    return cssColour(drawing::Rgba::from(colour));
}

void place(const val& element, const drawing::PixelRect& box) {
    setStyle(element, "left", std::to_string(box.left) + "px");
    setStyle(element, "top", std::to_string(box.top) + "px");
    setStyle(element, "width", std::to_string(box.width) + "px");
    setStyle(element, "height", std::to_string(box.height) + "px");
}

void setShown(const val& element, bool shown) {
    setStyle(element, "display", shown ? "" : "none");
}

}  // namespace dom
