#pragma once

#include <emscripten/val.h>

#include "ui/drawing/text_measurer.h"

// Measures text with a Canvas 2D context in the program's face: the same face the painted
// captions and the DOM controls are set in.
class CanvasTextMeasurer : public drawing::TextMeasurer {
public:
    // The CSS font of the face at `pixelSize` pixels.
    static std::string font(double pixelSize);

    CanvasTextMeasurer();
    double textWidth(std::string_view text, int pixelSize) const override;

private:
    emscripten::val context_;  // measuring sets its font
    emscripten::val textWidth_;
};
