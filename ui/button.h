#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/box_control.h"
#include "ui/colour.h"

// A push button. In the graphical style its face is filled with its background colour.
class Button : public WindowedControl {
public:
    // Button codes of the MouseDown event.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;
    // The Shift argument of MouseDown: 1 for Shift, 2 for Ctrl, 4 for Alt, added up.
    static constexpr int shiftCode(bool shift, bool control, bool alt) {
        return (shift ? 1 : 0) | (control ? 2 : 0) | (alt ? 4 : 0);
    }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { setProperty(caption_, caption); }
    std::string displayText() const override { return caption_; }

    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour) { setProperty(backColour_, colour); }

    bool graphical() const { return graphical_; }
    void setGraphical(bool graphical) { setProperty(graphical_, graphical); }

    double fontPoints() const { return fontPoints_; }
    void setFontPoints(double points) { setProperty(fontPoints_, points); }

    // Every caption a handler may give the button while the picture runs; the view fits the
    // caption once for all of them, as a label's.
    const std::vector<std::string>& captionsShown() const { return captionsShown_; }
    void setCaptionsShown(std::vector<std::string> captions) {
        setProperty(captionsShown_, captions);
    }

    // Events, raised by the user's actions.
    std::function<void()> onClick;
    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    void click();
    void mouseDown(int button, int shift, float x, float y);

    // Begins a manual drag of this button: the form resolves where it is dropped.
    void drag();

private:
    std::string caption_;
    Colour backColour_{0xC0C0C0};
    bool graphical_ = false;
    double fontPoints_ = 18;
    std::vector<std::string> captionsShown_;
};
