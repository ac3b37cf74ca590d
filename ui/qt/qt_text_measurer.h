#pragma once

#include "ui/drawing/text_measurer.h"

// Text widths in the window's face, as Qt lays the text out.
class QtTextMeasurer : public drawing::TextMeasurer {
public:
    double textWidth(std::string_view text, int pixelSize) const override;
};
