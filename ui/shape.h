#pragma once

#include "ui/box_control.h"
#include "ui/colour.h"

// A shape control: a rectangle, or a circle drawn as the largest circle that fits the box,
// centred in it. Filled solid, with a one-pixel black border.
class Shape : public BoxControl {
public:
    enum class Kind { Rectangle, Circle };

    Kind kind() const { return kind_; }
    void setKind(Kind kind) { setProperty(kind_, kind); }

    Colour fillColour() const { return fillColour_; }
    void setFillColour(Colour colour) { setProperty(fillColour_, colour); }

    Colour borderColour() const { return colours::kBlack; }

    // The box that is actually drawn: for a circle, the centred square of the shorter side.
    RectF drawnBox() const;

    RectF paintBounds() const override;

private:
    Kind kind_ = Kind::Rectangle;
    Colour fillColour_ = colours::kBlack;
};
