#pragma once

#include <cstdint>
#include <string>

#include "ui/rect_f.h"

class Form;

// Everything the window owns: a name, a visibility and properties that only the control's own
// setters change. Each effective change bumps the revision (the view mirrors windowed controls
// by it) and tells the form which part of the picture to repaint.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    bool visible() const { return visible_; }
    void setVisible(bool visible) { setProperty(visible_, visible); }

    std::uint64_t revision() const { return revision_; }

    // The text a control shows as its name: a caption for labels and buttons.
    virtual std::string displayText() const { return {}; }

    // Windowed controls are real widgets, above everything painted.
    virtual bool isWindowed() const { return false; }
    // Whether a drop onto this control is taken by it (and so never reaches the window).
    virtual bool takesDrops() const { return false; }
    // The box a drop is tested against, in twips.
    virtual RectF box() const = 0;
    // What painting the control touches, in twips; empty for windowed controls.
    virtual RectF paintBounds() const = 0;

    void attach(Form& form) { form_ = &form; }

protected:
    // A window that takes over another's state assigns each control the other's: the properties
    // come over, the control stays in its own window, and it counts as changed.
    Control& operator=(const Control& other) {
        name_ = other.name_;
        visible_ = other.visible_;
        ++revision_;
        return *this;
    }

    Form* form() const { return form_; }

    template <class T>
    void setProperty(T& field, const T& value) {
        if (field == value)
            return;
        const bool wasVisible = visible_;
        const RectF before = paintBounds();
        field = value;
        changed(wasVisible, before);
    }

    // Stores a coordinate computed in double precision into its single-precision property.
    // Only finite values within the single-precision range reach a control.
    void setCoordinate(float& field, double value, const char* property);

private:
    void changed(bool wasVisible, const RectF& before);

    std::string name_;
    Form* form_ = nullptr;
    bool visible_ = true;
    std::uint64_t revision_ = 0;
};
