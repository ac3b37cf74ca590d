#pragma once

#include <optional>
#include <string>

#include "i18n/translate.h"
#include "ui/control.h"

// A control with a box: Left, Top, Width, Height in twips, and a place in the tab order.
class BoxControl : public Control {
public:
    BoxControl() = default;
    // Takes over another control's properties; the label that names it stays one of its own
    // window.
    BoxControl& operator=(const BoxControl& other) {
        Control::operator=(other);
        accessibleName_ = other.accessibleName_;
        accessibleDescription_ = other.accessibleDescription_;
        accessibleValue_ = other.accessibleValue_;
        accessiblePressed_ = other.accessiblePressed_;
        left_ = other.left_;
        top_ = other.top_;
        width_ = other.width_;
        height_ = other.height_;
        tabIndex_ = other.tabIndex_;
        return *this;
    }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(double value) { setCoordinate(left_, value, "Left"); }
    void setTop(double value) { setCoordinate(top_, value, "Top"); }
    void setWidth(double value) { setCoordinate(width_, value, "Width"); }
    void setHeight(double value) { setCoordinate(height_, value, "Height"); }
    // Moves the control to a new Left and Top, in this order.
    void move(double left, double top) {
        setLeft(left);
        setTop(top);
    }
    void setGeometry(double left, double top, double width, double height) {
        setLeft(left);
        setTop(top);
        setWidth(width);
        setHeight(height);
    }

    // Position in the keyboard focus order; labels take a number but never the focus.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = index; }

    RectF box() const override { return {left_, top_, width_, height_}; }

    // What a screen reader announces: the caption of the label that names the control where it
    // has one (so the name follows the label as demonstrations re-caption it), else its own name;
    // and a sentence on what it does.
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }
    void setLabelledBy(const Control* label) { labelledBy_ = label; }
    void setAccessibleDescription(std::string text) { accessibleDescription_ = std::move(text); }
    std::string accessibleName() const;
    const std::string& accessibleDescription() const { return accessibleDescription_; }
    // The control's value in words with its unit ("50 degrees"), empty where it has none; and
    // whether a button that switches something on is on, for a button that does (nothing for
    // the others).
    void setAccessibleValue(std::string text) { accessibleValue_ = std::move(text); }
    const std::string& accessibleValue() const { return accessibleValue_; }
    void setAccessiblePressed(std::optional<bool> pressed) { accessiblePressed_ = pressed; }
    std::optional<bool> accessiblePressed() const { return accessiblePressed_; }
    // The description with the value in words before it, for a screen reader that has no place
    // of its own for a value's words.
    std::string accessibleDescriptionWithValue() const {
        const std::string description = i18n::shown(accessibleDescription_);
        return accessibleValue_.empty() ? description : accessibleValue_ + ". " + description;
    }

private:
    std::string accessibleName_;
    std::string accessibleDescription_;
    std::string accessibleValue_;
    std::optional<bool> accessiblePressed_;
    const Control* labelledBy_ = nullptr;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    int tabIndex_ = 0;
};

// A real widget: it paints itself, above every painted control.
class WindowedControl : public BoxControl {
public:
    bool isWindowed() const override { return true; }
    bool takesDrops() const override { return true; }
    RectF paintBounds() const override { return {}; }
};
