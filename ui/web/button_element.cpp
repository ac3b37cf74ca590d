#include "ui/web/button_element.h"

#include "i18n/translate.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"
#include "ui/web/web_form_view.h"

using emscripten::val;

namespace {

// The DOM's button numbers (0 main, 1 middle, 2 secondary) as the model's MouseDown codes.
int buttonCode(int domButton) {
    switch (domButton) {
        case 0:
            return Button::kLeftButton;
        case 1:
            return Button::kMiddleButton;
        case 2:
            return Button::kRightButton;
        default:
            return 0;
    }
}

int shiftCode(const val& event) {
    return Button::shiftCode(event["shiftKey"].as<bool>(), event["ctrlKey"].as<bool>(),
                             event["altKey"].as<bool>());
}

// Room for the frame and a little air on either side of a caption, in CSS pixels: the button's
// padding and border (ui/web/shell.html) on both sides, and 4 pixels.
constexpr int kCaptionMargin = 2 * (5 + 1) + 4;

}  // namespace

ButtonElement::ButtonElement(Button& model, WebFormView& view)
    : model_(model), view_(view), button_(dom::create("button", "button")) {
    button_.set("id", model.name());
    button_.set("type", val("button"));
    if (model.graphical())
        button_["classList"].call<void>("add", val("graphical"));
    DomEvents::listen(button_, "pointerdown", [this](val event) { pressed(event); });
    DomEvents::listen(button_, "pointermove", [this](val event) { moved(event); });
    DomEvents::listen(button_, "pointerup", [this](val event) { released(event); });
    DomEvents::listen(button_, "pointercancel", [this](val event) { cancelled(event); });
    DomEvents::listen(button_, "lostpointercapture", [this](val event) { cancelled(event); });
    DomEvents::listen(button_, "click", [this](val event) { clicked(event); });
    DomEvents::listen(button_, "keydown", [this](val event) { keyDown(event); });
}

void ButtonElement::syncFromModel() {
    const drawing::ViewGeometry& geometry = view_.geometryOf(model_.box());
    // A phasor tip is drawn at least kSmallestTip across on a phone, and a touch beside it picks
    // it.
    const drawing::PixelRect box = view_.widgetRect(model_.box(), model_.graphical());
    dom::place(button_, box);
    dom::setShown(button_, model_.visible());
    if (model_.graphical()) {
        dom::setStyle(button_, "backgroundColor", dom::cssColour(model_.backColour()));
    } else {
        // No caption is clipped: where the face is too wide for the box, the caption gets
        // smaller, at one size for every caption the button shows ("Pause" and "Start").
        const int pixels = view_.fitter().fit(
            i18n::shown(model_.caption()), i18n::shown(model_.captionsShown()),
            box.width - kCaptionMargin, geometry.fontPixels(model_.fontPoints()));
        dom::setText(button_, i18n::shown(model_.caption()));
        dom::setStyle(button_, "fontSize", dom::pixels(pixels));
    }
}

bool ButtonElement::ownsPointer(const val& event) const {
    return dragging_ && event["pointerId"].as<int>() == pointerId_;
}

void ButtonElement::pressed(const val& event) {
    swallowClick_ = false;
    if (dragging_)
        return;  // a second finger during a drag
    press(event);
}

bool ButtonElement::pressedBeside(const val& touch) {
    if (!model_.graphical() || !model_.visible() || dragging_)
        return false;
    swallowClick_ = false;
    return press(touch);
}

void ButtonElement::arrangementChanged() {
    if (!dragging_)
        return;
    dragging_ = false;
    if (button_["hasPointerCapture"].typeOf().as<std::string>() == "function" &&
        button_.call<bool>("hasPointerCapture", pointerId_)) {
        button_.call<void>("releasePointerCapture", pointerId_);
    }
}

bool ButtonElement::press(const val& event) {
    const double twipsPerPixel = 1.0 / view_.geometryOf(model_.box()).pixelsPerTwip();
    // From the button's outer corner, as the model measures a press (offsetX would start inside
    // the border).
    const val corner = button_.call<val>("getBoundingClientRect");
    const auto x = static_cast<float>(
        (event["clientX"].as<double>() - corner["left"].as<double>()) * twipsPerPixel);
    const auto y = static_cast<float>((event["clientY"].as<double>() - corner["top"].as<double>()) *
                                      twipsPerPixel);
    const int code = buttonCode(event["button"].as<int>());
    const int shift = shiftCode(event);
    view_.deliver([&] { model_.mouseDown(code, shift, x, y); });
    if (view_.form().dragSource() != &model_)
        return false;
    dragging_ = true;
    pointerId_ = event["pointerId"].as<int>();
    val::module_property("capturePointer")(button_, pointerId_);
    button_.call<void>("focus");
    event.call<void>("preventDefault");
    view_.dragMoved(event["clientX"].as<double>(), event["clientY"].as<double>());
    return true;
}

void ButtonElement::moved(const val& event) {
    if (!ownsPointer(event))
        return;
    event.call<void>("preventDefault");
    view_.dragMoved(event["clientX"].as<double>(), event["clientY"].as<double>());
}

void ButtonElement::released(const val& event) {
    if (!ownsPointer(event))
        return;
    dragging_ = false;
    swallowClick_ = true;
    event.call<void>("preventDefault");
    view_.dragReleased(event["clientX"].as<double>(), event["clientY"].as<double>());
}

// The system took the pointer (a gesture, the button hidden): the drag ends with no drop.
void ButtonElement::cancelled(const val& event) {
    if (!ownsPointer(event))
        return;
    dragging_ = false;
    view_.dragCancelled();
}

void ButtonElement::clicked(const val& event) {
    if (swallowClick_) {
        swallowClick_ = false;
        event.call<void>("preventDefault");
        return;
    }
    view_.deliver([this] { model_.click(); });
}

void ButtonElement::keyDown(const val& event) {
    swallowClick_ = false;
    const std::string key = event["key"].as<std::string>();
    Form::Arrow arrow;
    if (key == "ArrowLeft") {
        arrow = Form::Arrow::Left;
    } else if (key == "ArrowRight") {
        arrow = Form::Arrow::Right;
    } else if (key == "ArrowUp") {
        arrow = Form::Arrow::Up;
    } else if (key == "ArrowDown") {
        arrow = Form::Arrow::Down;
    } else {
        return;
    }
    if (dragging_)
        return;
    bool moved = false;
    const int shift = shiftCode(event);
    view_.deliver([&] { moved = view_.form().moveFromKeyboard(model_, arrow, shift); });
    if (moved)
        event.call<void>("preventDefault");
}
