#include "ui/web/canvas_text_measurer.h"

#include <string>

#include "ui/drawing/svg_writer.h"
#include "ui/web/dom.h"

using emscripten::val;

std::string CanvasTextMeasurer::font(double pixelSize) {
    return dom::pixels(pixelSize) + " " + drawing::kSvgFontFamilies;
}

CanvasTextMeasurer::CanvasTextMeasurer()
    : context_(dom::create("canvas", "").call<val>("getContext", val("2d"))),
      textWidth_(val::module_property("textWidth")) {}

// One call into the page's script (ui/web/bridge.js), which sets the font only when it changes.
double CanvasTextMeasurer::textWidth(std::string_view text, int pixelSize) const {
    return textWidth_(context_, font(pixelSize), std::string(text)).as<double>();
}
