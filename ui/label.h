#pragma once

#include <string>
#include <vector>

#include "ui/box_control.h"

// A label: an opaque box in the button-face colour with a left-aligned caption. It takes drops.
class Label : public BoxControl {
public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { setProperty(caption_, caption); }
    std::string displayText() const override { return caption_; }

    double fontPoints() const { return fontPoints_; }
    void setFontPoints(double points) { setProperty(fontPoints_, points); }

    // Every caption a handler may give the label while the picture runs. The view sets the
    // caption at one size, the largest at which all of these and the caption itself fit, so that
    // it does not jump as the caption changes.
    const std::vector<std::string>& captionsShown() const { return captionsShown_; }
    void setCaptionsShown(std::vector<std::string> captions) {
        setProperty(captionsShown_, captions);
    }

    bool takesDrops() const override { return true; }
    RectF paintBounds() const override { return box(); }

private:
    std::string caption_;
    double fontPoints_ = 18;
    std::vector<std::string> captionsShown_;
};
