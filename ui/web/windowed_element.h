#pragma once

#include <emscripten/val.h>

#include "ui/box_control.h"
#include "ui/web/dom.h"

// The DOM element that hosts one windowed control of the model. The view places it, names it for
// screen readers and calls syncFromModel whenever the control's revision moves on (FormSync).
class WindowedElement {
public:
    virtual ~WindowedElement() = default;

    virtual const BoxControl& control() const = 0;
    // The outermost element, on the stage above the canvas.
    virtual emscripten::val element() const = 0;
    // The element that takes the focus and carries the name and role for screen readers.
    virtual emscripten::val focusElement() const = 0;
    // Brings geometry, visibility, texts, colours and fonts in step with the model, without
    // raising any event.
    virtual void syncFromModel() = 0;
    // A touch on the picture beside the control, within a finger's reach of it: returns whether
    // the control took it as a press on itself (a phasor tip does: its drag begins).
    virtual bool pressedBeside(const emscripten::val& /*touch*/) { return false; }
    // The page was arranged anew: a press or a drag in progress ends, without a drop.
    virtual void arrangementChanged() {}
    // Its pane scrolled under it: what floats beside it (an open list) closes.
    virtual void paneScrolled() {}

    // The hidden element that holds the description a screen reader reads; the view makes it.
    emscripten::val description = emscripten::val::null();
    // The pane the view has put it in; -1 before the first layout.
    int pane = -1;
    // Its name, description, value in words and pressed state as the view last wrote them.
    struct {
        dom::Written name, description, value, pressed;
    } written;
};
