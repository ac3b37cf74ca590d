#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/box_control.h"
#include "ui/colour.h"

// An editable combo box: a text the user may type anything into, and a drop-down list.
// Every change of the text, typed or written by the program, raises Change; a pick from the
// list sets the text and raises Click only.
class ComboBox : public WindowedControl {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text);

    const std::vector<std::string>& items() const { return items_; }
    void clear() { setProperty(items_, {}); }
    void addItem(std::string item);
    void addItem(std::string item, int position);

    // The user picks the entry at `position` from the list.
    void pick(int position);
    // The entry the text names, or -1 for a text that names none.
    int currentIndex() const;
    // The user turns the wheel over the list while it has the focus: each notch picks the next
    // entry, a notch away from the user (positive) the one above. From a text that names no
    // entry the first step down picks the first. Steps past either end do nothing.
    void turnWheel(int notches);

    Colour textColour() const { return textColour_; }
    void setTextColour(Colour colour) { setProperty(textColour_, colour); }

    double fontPoints() const { return fontPoints_; }
    void setFontPoints(double points) { setProperty(fontPoints_, points); }

    std::function<void()> onChange;
    std::function<void()> onClick;

private:
    std::string text_;
    std::vector<std::string> items_;
    Colour textColour_ = colours::kBlack;
    double fontPoints_ = 13.5;
};
