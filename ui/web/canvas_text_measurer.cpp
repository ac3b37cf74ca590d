#include "ui/web/canvas_text_measurer.h"

#include <string>

#include "ui/drawing/svg_writer.h"
#include "ui/web/dom.h"

using emscripten::val;

std::string CanvasTextMeasurer::font(double pixelSize) {
    return dom::pixels(pixelSize) + " " + drawing::kSvgFontFamilies;
}

CanvasTextMeasurer::CanvasTextMeasurer()
    : context_(dom::create("canvas", "").call<val>("getContext", val("2d"))) {}

double CanvasTextMeasurer::textWidth(std::string_view text, int pixelSize) const {
    context_.set("font", font(pixelSize));
    return context_.call<val>("measureText", std::string(text))["width"].as<double>();
}
