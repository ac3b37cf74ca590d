#pragma once

#include <string>

#include "ui/box_control.h"

// A label: an opaque box in the button-face colour with a left-aligned caption. It takes drops.
class Label : public BoxControl {
public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { setProperty(caption_, caption); }
    std::string displayText() const override { return caption_; }

    double fontPoints() const { return fontPoints_; }
    void setFontPoints(double points) { setProperty(fontPoints_, points); }

    bool takesDrops() const override { return true; }
    RectF paintBounds() const override { return box(); }

private:
    std::string caption_;
    double fontPoints_ = 18;
};
