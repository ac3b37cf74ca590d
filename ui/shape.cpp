#include "ui/shape.h"

#include <algorithm>

#include "ui/twips.h"

RectF Shape::drawnBox() const {
    if (kind_ == Kind::Rectangle)
        return box();
    const double side = std::min(width(), height());
    return {left() + (width() - side) / 2, top() + (height() - side) / 2, side, side};
}

RectF Shape::paintBounds() const {
    // A box of zero height still shows its border.
    return box().adjusted(twips::kPerPixel);
}
