#pragma once

#include "ui/box_control.h"

// An image control shown at its natural size. The picture itself is the view's business.
class Image : public BoxControl {
public:
    bool takesDrops() const override { return true; }
    RectF paintBounds() const override { return box(); }
};
