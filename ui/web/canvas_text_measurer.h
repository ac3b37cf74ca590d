#pragma once

#include <emscripten/val.h>

#include "ui/drawing/text_measurer.h"

// Measures text with a Canvas 2D context in the program's face: the same face the painted
// captions and the DOM controls are set in.
class CanvasTextMeasurer : public drawing::TextMeasurer {
public:
    // A narrow face first: the boxes were laid out for a narrow dialog font.
    static constexpr const char* kFontFamily =
        "\"DejaVu Sans Condensed\", \"Liberation Sans Narrow\", \"Nimbus Sans Narrow\", "
        "\"Arial Narrow\", \"DejaVu Sans\", sans-serif";

    // The CSS font of the face at `pixelSize` pixels.
    static std::string font(double pixelSize);

    CanvasTextMeasurer();
    double textWidth(std::string_view text, int pixelSize) const override;

private:
    mutable emscripten::val context_;  // measuring sets its font
};
