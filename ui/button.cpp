#include "ui/button.h"

#include "ui/form.h"
#include "ui/program_error.h"

void Button::click() {
    if (onClick)
        onClick();
}

void Button::mouseDown(int button, int shift, float x, float y) {
    if (onMouseDown)
        onMouseDown(button, shift, x, y);
}

void Button::drag() {
    if (form() == nullptr)
        throw ProgramError(name() + " cannot be dragged outside a window");
    form()->beginDrag(*this);
}
