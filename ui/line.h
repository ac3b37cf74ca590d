#pragma once

#include "ui/colour.h"
#include "ui/control.h"

// A line control: two end points in twips, a colour, a width in pixels and a style. A dotted line
// is drawn dotted only while it is one pixel wide; wider, it is drawn solid.
class Line : public Control {
public:
    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void setX1(double value) { setCoordinate(x1_, value, "X1"); }
    void setY1(double value) { setCoordinate(y1_, value, "Y1"); }
    void setX2(double value) { setCoordinate(x2_, value, "X2"); }
    void setY2(double value) { setCoordinate(y2_, value, "Y2"); }
    void setPoints(double x1, double y1, double x2, double y2) {
        setX1(x1);
        setY1(y1);
        setX2(x2);
        setY2(y2);
    }

    Colour borderColour() const { return borderColour_; }
    void setBorderColour(Colour colour) { setProperty(borderColour_, colour); }

    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);

    bool dotted() const { return dotted_; }
    void setDotted(bool dotted) { setProperty(dotted_, dotted); }
    bool drawnDotted() const { return dotted_ && borderWidth_ == 1; }

    RectF box() const override;
    RectF paintBounds() const override;

private:
    float x1_ = 0;
    float y1_ = 0;
    float x2_ = 0;
    float y2_ = 0;
    Colour borderColour_ = colours::kBlack;
    int borderWidth_ = 1;
    bool dotted_ = false;
};
