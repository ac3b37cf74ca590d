#pragma once

#include "ui/button.h"
#include "ui/web/windowed_element.h"

class WebFormView;

// A push button. It reports presses (mouse, finger or pen) as the model's MouseDown and clicks
// (pointer, Space, Enter) as its Click; when the MouseDown handler begins a drag of the button,
// the pointer belongs to the drag until it is lifted, and the button itself does not move.
// The arrow keys move a button that can be dragged one grid step (Form::moveFromKeyboard).
class ButtonElement : public WindowedElement {
public:
    ButtonElement(Button& model, WebFormView& view);

    const BoxControl& control() const override { return model_; }
    emscripten::val element() const override { return button_; }
    emscripten::val focusElement() const override { return button_; }
    void syncFromModel() override;
    bool pressedBeside(const emscripten::val& touch) override;
    void arrangementChanged() override;

private:
    void pressed(const emscripten::val& event);
    // The press of `event` on the button: MouseDown, and where it begins a drag, the pointer
    // taken for it. Returns whether the drag began.
    bool press(const emscripten::val& event);
    void moved(const emscripten::val& event);
    void released(const emscripten::val& event);
    void cancelled(const emscripten::val& event);
    void clicked(const emscripten::val& event);
    void keyDown(const emscripten::val& event);
    bool ownsPointer(const emscripten::val& event) const;

    Button& model_;
    WebFormView& view_;
    emscripten::val button_;
    bool dragging_ = false;
    // The click that follows the release of a drag belongs to the drag.
    bool swallowClick_ = false;
    int pointerId_ = 0;
};
