#include "ui/form.h"

void Form::controlChanged(const Control& control, bool wasVisible, const RectF& before) {
    if (wasVisible)
        dirty_ = dirty_.united(before);
    if (control.visible())
        dirty_ = dirty_.united(control.paintBounds());
}

RectF Form::takeDirtyRegion() {
    const RectF region = dirty_;
    dirty_ = {};
    return region;
}

const Control* Form::dropTarget(double x, double y) const {
    const auto takes = [x, y](const Control& control) {
        return control.visible() && control.takesDrops() && control.box().contains(x, y);
    };
    for (const auto& windowed : windowed_) {
        const Control* control = std::visit([](auto* c) -> const Control* { return c; }, windowed);
        if (takes(*control))
            return control;
    }
    for (auto it = paintOrder_.rbegin(); it != paintOrder_.rend(); ++it) {
        const Control* control = std::visit([](auto* c) -> const Control* { return c; }, *it);
        if (takes(*control))
            return control;
    }
    return nullptr;
}

bool Form::insideClientArea(double x, double y) const {
    return x >= 0 && x < clientWidth_ && y >= 0 && y < clientHeight_;
}

bool Form::cancelDragOfHiddenSource() {
    if (dragSource_ == nullptr || dragSource_->visible())
        return false;
    dragSource_ = nullptr;
    return true;
}

Form::DropResult Form::drop(double x, double y) {
    Button* source = dragSource_;
    dragSource_ = nullptr;
    if (source == nullptr)
        return DropResult::NoDrag;
    if (!insideClientArea(x, y))
        return DropResult::Outside;
    if (dropTarget(x, y) != nullptr)
        return DropResult::TakenByControl;
    if (onDragDrop)
        onDragDrop(*source, static_cast<float>(x), static_cast<float>(y));
    return DropResult::Dropped;
}

Form::DropResult Form::dropFromKeyboard(double x, double y) {
    Button* source = dragSource_;
    dragSource_ = nullptr;
    if (source == nullptr)
        return DropResult::NoDrag;
    if (!insideClientArea(x, y))
        return DropResult::Outside;  // as a mouse released there
    if (onDragDrop)
        onDragDrop(*source, static_cast<float>(x), static_cast<float>(y));
    return DropResult::Dropped;
}

bool Form::moveFromKeyboard(Button& source, Arrow arrow, int shift) {
    const double dx = arrow == Arrow::Left    ? -kKeyboardStep
                      : arrow == Arrow::Right ? kKeyboardStep
                                              : 0;
    const double dy = arrow == Arrow::Up     ? -kKeyboardStep
                      : arrow == Arrow::Down ? kKeyboardStep
                                             : 0;
    const float halfWidth = source.width() / 2;
    const float halfHeight = source.height() / 2;
    source.mouseDown(Button::kLeftButton, shift, halfWidth, halfHeight);
    if (dragSource_ != &source)
        return false;
    dropFromKeyboard(source.left() + halfWidth + dx, source.top() + halfHeight + dy);
    return true;
}
