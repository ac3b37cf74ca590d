#include "ui/line.h"

#include <algorithm>

#include "ui/program_error.h"
#include "ui/twips.h"

void Line::setBorderWidth(int pixels) {
    if (pixels < 1 || pixels > 8192) {
        throw ProgramError(name() + ".BorderWidth cannot be " + std::to_string(pixels));
    }
    setProperty(borderWidth_, pixels);
}

RectF Line::box() const {
    const double left = std::min(x1_, x2_);
    const double top = std::min(y1_, y2_);
    return {left, top, std::max(x1_, x2_) - left, std::max(y1_, y2_) - top};
}

RectF Line::paintBounds() const {
    // Half the pen on every side, plus a pixel for the caps and the antialiased edge.
    return box().adjusted(borderWidth_ * twips::kPerPixel / 2.0 + twips::kPerPixel);
}
