#include "ui/web/scroll_bar_element.h"
#include "ui/web/wheel_notches.h"

#include <algorithm>
#include <cmath>

#include "ui/web/dom.h"
#include "ui/web/dom_events.h"
#include "ui/web/web_form_view.h"

using emscripten::val;

namespace {

// A held arrow or track repeats after this long, then at this period (milliseconds), as a
// desktop scroll bar does.
constexpr int kRepeatDelay = 400;
constexpr int kRepeatPeriod = 50;

}  // namespace

ScrollBarElement::ScrollBarElement(ScrollBar& model, WebFormView& view)
    : model_(model),
      view_(view),
      bar_(dom::create("div", "scrollbar")),
      leftArrow_(dom::create("div", "scrollbar-arrow left")),
      track_(dom::create("div", "scrollbar-track")),
      thumb_(dom::create("div", "scrollbar-thumb")),
      rightArrow_(dom::create("div", "scrollbar-arrow right")),
      repeat_(std::make_unique<IntervalClock>([this] { repeat(); })) {
    bar_.set("id", model.name());
    bar_.set("tabIndex", 0);
    dom::setAttribute(bar_, "role", "scrollbar");
    dom::setAttribute(bar_, "aria-orientation", "horizontal");
    // What a scroll bar moves: the picture.
    dom::setAttribute(bar_, "aria-controls", "picture");
    for (val* part : {&leftArrow_, &track_, &rightArrow_}) bar_.call<void>("appendChild", *part);
    track_.call<void>("appendChild", thumb_);
    DomEvents::listen(bar_, "pointerdown", [this](val event) { pressed(event); });
    DomEvents::listen(bar_, "pointermove", [this](val event) { moved(event); });
    DomEvents::listen(bar_, "pointerup", [this](val event) { released(event); });
    DomEvents::listen(bar_, "pointercancel", [this](val event) { released(event); });
    DomEvents::listen(bar_, "lostpointercapture", [this](val event) { released(event); });
    DomEvents::listen(bar_, "keydown", [this](val event) { keyDown(event); });
    DomEvents::listen(bar_, "wheel", [this](val event) { wheel(event); });
}

ScrollBarElement::Layout ScrollBarElement::layout() const {
    const drawing::PixelRect box = view_.widgetRect(model_.box());
    Layout parts;
    parts.width = box.width;
    parts.arrow = std::min<double>(box.height, std::floor(box.width / 3.0));
    // On a phone each arrow is a finger's target, even where that leaves the thumb a narrow
    // track (the amplitudes' short bars).
    if (view_.arrangement().kind() != drawing::Arrangement::Kind::Uniform) {
        parts.arrow = std::max(parts.arrow, std::min(drawing::Arrangement::kFingerTarget,
                                                     std::floor((box.width - 6) / 2.0)));
    }
    parts.thumb = std::max(1.0, std::min<double>(box.height, parts.trackLength() / 2));
    return parts;
}

double ScrollBarElement::thumbLeft() const {
    const Layout parts = layout();
    const int range = model_.max() - model_.min();
    const double fraction = range > 0 ? double(model_.value() - model_.min()) / range : 0.0;
    return parts.arrow + fraction * (parts.trackLength() - parts.thumb);
}

void ScrollBarElement::syncFromModel() {
    dom::setAttribute(bar_, "aria-valuemin", std::to_string(model_.min()));
    dom::setAttribute(bar_, "aria-valuemax", std::to_string(model_.max()));
    dom::setAttribute(bar_, "aria-valuenow", std::to_string(model_.value()));
    dom::place(bar_, view_.widgetRect(model_.box()));
    dom::setShown(bar_, model_.visible());
    const Layout parts = layout();
    dom::setStyle(leftArrow_, "width", dom::pixels(parts.arrow));
    dom::setStyle(rightArrow_, "width", dom::pixels(parts.arrow));
    dom::setStyle(track_, "left", dom::pixels(parts.arrow));
    dom::setStyle(track_, "width", dom::pixels(parts.trackLength()));
    dom::setStyle(thumb_, "width", dom::pixels(parts.thumb));
    dom::setStyle(thumb_, "left", dom::pixels(thumbLeft() - parts.arrow));
    if (!model_.visible()) {
        pressed_ = Part::None;
        repeat_->stop();
    }
}

// A held arrow or a dragged thumb is let go: the bar is somewhere else now.
void ScrollBarElement::arrangementChanged() {
    pressed_ = Part::None;
    repeat_->stop();
}

double ScrollBarElement::pointerX(const val& event) const {
    return event["clientX"].as<double>() -
           bar_.call<val>("getBoundingClientRect")["left"].as<double>();
}

void ScrollBarElement::pressed(const val& event) {
    if (pressed_ != Part::None || event["button"].as<int>() != 0)
        return;
    event.call<void>("preventDefault");
    bar_.call<void>("focus");
    const Layout parts = layout();
    pointerX_ = pointerX(event);
    const double thumb = thumbLeft();
    if (pointerX_ < parts.arrow) {
        pressed_ = Part::LeftArrow;
    } else if (pointerX_ >= parts.width - parts.arrow) {
        pressed_ = Part::RightArrow;
    } else if (pointerX_ >= thumb && pointerX_ < thumb + parts.thumb) {
        pressed_ = Part::Thumb;
        grab_ = pointerX_ - thumb;
    } else {
        pressed_ = Part::Track;
    }
    pointerId_ = event["pointerId"].as<int>();
    val::module_property("capturePointer")(bar_, pointerId_);
    if (pressed_ != Part::Thumb) {
        act();
        if (pressed_ != Part::None)
            repeat_->start(kRepeatDelay, kRepeatPeriod);
    }
}

void ScrollBarElement::moved(const val& event) {
    if (pressed_ == Part::None || event["pointerId"].as<int>() != pointerId_)
        return;
    pointerX_ = pointerX(event);
    if (pressed_ != Part::Thumb)
        return;
    const Layout parts = layout();
    const double travel = parts.trackLength() - parts.thumb;
    if (travel <= 0)
        return;
    const double fraction = std::clamp((pointerX_ - grab_ - parts.arrow) / travel, 0.0, 1.0);
    moveTo(model_.min() + static_cast<int>(std::lround(fraction * (model_.max() - model_.min()))));
}

void ScrollBarElement::released(const val& event) {
    if (pressed_ == Part::None || event["pointerId"].as<int>() != pointerId_)
        return;
    pressed_ = Part::None;
    repeat_->stop();
}

void ScrollBarElement::repeat() {
    if (pressed_ == Part::None || pressed_ == Part::Thumb) {
        repeat_->stop();
        return;
    }
    act();
}

void ScrollBarElement::act() {
    switch (pressed_) {
        case Part::LeftArrow:
            stepBy(-model_.smallChange());
            break;
        case Part::RightArrow:
            stepBy(model_.smallChange());
            break;
        case Part::Track: {
            // Pages toward the pointer and stops once the thumb has reached it.
            const double thumb = thumbLeft();
            if (pointerX_ < thumb) {
                stepBy(-model_.largeChange());
            } else if (pointerX_ >= thumb + layout().thumb) {
                stepBy(model_.largeChange());
            }
            break;
        }
        default:
            break;
    }
}

void ScrollBarElement::keyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    // As the desktop's scroll bar and the ARIA slider keys: Right and Up step up, Page Up pages up.
    if (key == "ArrowLeft" || key == "ArrowDown") {
        stepBy(-model_.smallChange());
    } else if (key == "ArrowRight" || key == "ArrowUp") {
        stepBy(model_.smallChange());
    } else if (key == "PageDown") {
        stepBy(-model_.largeChange());
    } else if (key == "PageUp") {
        stepBy(model_.largeChange());
    } else if (key == "Home") {
        moveTo(model_.min());
    } else if (key == "End") {
        moveTo(model_.max());
    } else {
        return;
    }
    event.call<void>("preventDefault");
}

void ScrollBarElement::wheel(const val& event) {
    const int notches = takeFocusedWheel(bar_, event, notches_);
    if (notches != 0)
        view_.deliver([this, notches] { model_.turnWheel(notches); });
}

void ScrollBarElement::stepBy(int delta) {
    view_.deliver([this, delta] { model_.stepBy(delta); });
}

void ScrollBarElement::moveTo(int value) {
    const int clamped = std::clamp(value, model_.min(), model_.max());
    if (clamped == model_.value())
        return;
    view_.deliver([this, clamped] { model_.setValue(clamped); });
}
