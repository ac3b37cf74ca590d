#include "ui/web/combo_box_element.h"
#include "i18n/translate.h"
#include "ui/web/wheel_notches.h"

#include <algorithm>
#include <string_view>

#include "ui/web/dom.h"
#include "ui/web/dom_events.h"
#include "ui/web/web_form_view.h"

using emscripten::val;

namespace {

// A list's text on a phone is no smaller than this, as large as the captions beside it allow.
constexpr double kPhoneListPoints = 16;

bool isNumber(const std::string& text) {
    return !text.empty() &&
           std::string_view("0123456789+-.").find(text.front()) != std::string::npos;
}

std::string optionId(const ComboBox& model, int index) {
    return model.name() + "-option-" + std::to_string(index);
}

}  // namespace

ComboBoxElement::ComboBoxElement(ComboBox& model, WebFormView& view)
    : model_(model),
      view_(view),
      box_(dom::create("div", "combo")),
      input_(dom::create("input", "combo-text")),
      arrow_(dom::create("div", "combo-arrow")),
      list_(dom::create("ul", "combo-list")) {
    const std::string listId = model.name() + "-list";
    input_.set("id", model.name());
    input_.set("type", val("text"));
    dom::setAttribute(input_, "role", "combobox");
    dom::setAttribute(input_, "aria-autocomplete", "none");
    dom::setAttribute(input_, "aria-expanded", "false");
    dom::setAttribute(input_, "aria-controls", listId);
    dom::setAttribute(input_, "autocomplete", "off");
    dom::setAttribute(input_, "spellcheck", "false");
    dom::setAttribute(arrow_, "aria-hidden", "true");
    list_.set("id", listId);
    dom::setAttribute(list_, "role", "listbox");
    dom::setShown(list_, false);
    box_.call<void>("appendChild", input_);
    box_.call<void>("appendChild", arrow_);

    DomEvents::listen(input_, "input", [this](val) { typed(); });
    DomEvents::listen(input_, "keydown", [this](val event) { keyDown(event); });
    DomEvents::listen(input_, "blur", [this](val) {
        closeList();
        keyboardMode("none");
    });
    DomEvents::listen(input_, "pointerdown", [this](val event) { pressed(event); });
    DomEvents::listen(input_, "click", [this](val) {
        if (touchPress_)
            tapped();
        touchPress_ = false;
    });
    // Pressing the arrow or an entry must leave the focus in the text field.
    const auto keepFocus = [](val event) { event.call<void>("preventDefault"); };
    DomEvents::listen(arrow_, "mousedown", keepFocus);
    DomEvents::listen(list_, "mousedown", keepFocus);
    DomEvents::listen(arrow_, "click", [this](val) {
        input_.call<void>("focus");
        if (open_) {
            closeList();
        } else {
            openList();
        }
    });
    DomEvents::listen(list_, "click", [this](val event) { listClicked(event); });
    DomEvents::listen(box_, "wheel", [this](val event) { wheel(event); });
}

void ComboBoxElement::syncFromModel() {
    const drawing::ViewGeometry& geometry = view_.geometryOf(model_.box());
    if (shownItems_ != model_.items()) {
        shownItems_ = model_.items();
        list_.set("textContent", val(""));
        for (std::size_t i = 0; i < shownItems_.size(); ++i) {
            val option = dom::create("li", "combo-option");
            option.set("id", optionId(model_, static_cast<int>(i)));
            dom::setAttribute(option, "role", "option");
            dom::setAttribute(option, "aria-selected", "false");
            option.call<void>("setAttribute", val("data-index"), static_cast<int>(i));
            option.set("textContent", i18n::shown(shownItems_[i]));
            list_.call<void>("appendChild", option);
        }
        if (open_)
            highlight(std::min(highlighted_, static_cast<int>(shownItems_.size()) - 1));
        numbers_ = std::all_of(shownItems_.begin(), shownItems_.end(), isNumber);
        keyboardMode("none");
    }
    // Where the user is typing, the text is already what the model holds and stays untouched,
    // and so does the cursor in it.
    const std::string text = i18n::shown(model_.text());
    if (input_["value"].as<std::string>() != text)
        input_.set("value", text);
    dom::setStyle(input_, "color", dom::cssColour(model_.textColour()));
    // On the box, so that the text and the arrow beside it scale together.
    const bool phone = view_.arrangement().kind() != drawing::Arrangement::Kind::Uniform;
    const double points =
        phone ? std::max(model_.fontPoints(), kPhoneListPoints) : model_.fontPoints();
    const std::string font = dom::pixels(geometry.fontPixels(points));
    dom::setStyle(box_, "fontSize", font);
    dom::setStyle(list_, "fontSize", font);
    dom::setStyle(list_, "color", dom::cssColour(model_.textColour()));
    dom::place(box_, view_.widgetRect(model_.box()));
    dom::setShown(box_, model_.visible());
    if (!model_.visible())
        closeList();
    if (open_)
        placeList();
}

void ComboBoxElement::typed() {
    const std::string text = input_["value"].as<std::string>();
    view_.deliver([this, &text] { model_.setText(i18n::fromShown(text, model_.items())); },
                  EventCause::Typing);
}

void ComboBoxElement::keyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    const bool alt = event["altKey"].as<bool>();
    const int count = static_cast<int>(shownItems_.size());
    bool handled = true;
    if (open_) {
        if (key == "ArrowDown" && !alt) {
            highlight(std::min(highlighted_ + 1, count - 1));
        } else if (key == "ArrowUp" && !alt) {
            highlight(std::max(highlighted_ - 1, 0));
        } else if (key == "Home" || key == "PageUp") {
            highlight(0);
        } else if (key == "End" || key == "PageDown") {
            highlight(count - 1);
        } else if (key == "Enter") {
            if (highlighted_ >= 0) {
                pick(highlighted_);
            } else {
                closeList();
            }
        } else if (key == "Escape" || key == "F4" ||
                   (alt && (key == "ArrowUp" || key == "ArrowDown"))) {
            closeList();
        } else {
            handled = false;
            if (key == "Tab")
                closeList();
        }
    } else if ((alt && key == "ArrowDown") || key == "F4") {
        openList();
    } else if ((key == "ArrowDown" && !alt) || key == "PageDown") {
        // One entry, as a notch of the wheel towards the user picks it.
        view_.deliver([this] { model_.turnWheel(-1); });
    } else if ((key == "ArrowUp" && !alt) || key == "PageUp") {
        view_.deliver([this] { model_.turnWheel(1); });
    } else {
        handled = false;
    }
    if (handled)
        event.call<void>("preventDefault");
}

void ComboBoxElement::listClicked(const val& event) {
    val option = event["target"].call<val>("closest", val("[role=option]"));
    if (option.isNull())
        return;
    pick(std::stoi(option.call<val>("getAttribute", val("data-index")).as<std::string>()));
}

void ComboBoxElement::wheel(const val& event) {
    if (open_)
        return;  // the open list scrolls itself
    const int notches = takeFocusedWheel(input_, event, notches_);
    if (notches != 0)
        view_.deliver([this, notches] { model_.turnWheel(notches); });
}

void ComboBoxElement::openList() {
    if (open_ || shownItems_.empty() || !model_.visible())
        return;
    open_ = true;
    // Named after its list, whose caption a demonstration may have changed.
    dom::setAttribute(list_, "aria-label", i18n::shown(model_.accessibleName()));
    dom::setAttribute(input_, "aria-expanded", "true");
    dom::setShown(list_, true);
    placeList();
    highlight(model_.currentIndex());
}

void ComboBoxElement::closeList() {
    if (!open_)
        return;
    open_ = false;
    highlighted_ = -1;
    dom::setAttribute(input_, "aria-expanded", "false");
    input_.call<void>("removeAttribute", val("aria-activedescendant"));
    dom::setShown(list_, false);
}

// Below the box where there is room, else above it, as a desktop drop-down does: on the stage,
// above every pane, where the box stands on the screen now.
void ComboBoxElement::placeList() {
    const val box = box_.call<val>("getBoundingClientRect");
    const val stage = view_.stage().call<val>("getBoundingClientRect");
    const double left = box["left"].as<double>() - stage["left"].as<double>();
    const double top = box["top"].as<double>() - stage["top"].as<double>();
    const double height = box["height"].as<double>();
    dom::setStyle(list_, "left", dom::pixels(left));
    dom::setStyle(list_, "minWidth", dom::pixels(box["width"].as<double>()));
    const double listHeight = list_["offsetHeight"].as<double>();
    const double stageHeight = stage["height"].as<double>();
    const double below = top + height;
    dom::setStyle(
        list_, "top",
        dom::pixels(below + listHeight <= stageHeight || top < listHeight ? below
                                                                          : top - listHeight));
}

// A press on the field: by a finger on an open list of numbers, the keypad is wanted now, before
// the browser takes the tap.
void ComboBoxElement::pressed(const val& event) {
    touchPress_ = event["pointerType"].as<std::string>() == "touch";
    if (touchPress_ && open_ && numbers_)
        keyboardMode("decimal");
}

// A finger's tap on the field opens the list; a second one closes it, and in a list of numbers
// leaves the keypad up to type one.
void ComboBoxElement::tapped() {
    if (!open_) {
        openList();
    } else {
        closeList();
    }
}

// What keyboard a touch screen brings up for the field: none while the list is what a finger
// uses, the numeric keypad once a number is to be typed. A mouse and a keyboard never see it.
void ComboBoxElement::keyboardMode(const char* mode) {
    if (view_.touchScreen())
        dom::setAttribute(input_, "inputmode", mode);
}

void ComboBoxElement::highlight(int index) {
    val options = list_["children"];
    if (highlighted_ >= 0 && highlighted_ < options["length"].as<int>()) {
        options[highlighted_].call<void>("setAttribute", val("aria-selected"), val("false"));
    }
    highlighted_ = index;
    if (index < 0 || index >= options["length"].as<int>()) {
        highlighted_ = -1;
        input_.call<void>("removeAttribute", val("aria-activedescendant"));
        return;
    }
    val option = options[index];
    option.call<void>("setAttribute", val("aria-selected"), val("true"));
    // The list scrolls itself to show the entry (scrollIntoView would move the stage as well).
    const double top = option["offsetTop"].as<double>();
    const double bottom = top + option["offsetHeight"].as<double>();
    const double scrolled = list_["scrollTop"].as<double>();
    if (top < scrolled) {
        list_.set("scrollTop", top);
    } else if (bottom > scrolled + list_["clientHeight"].as<double>()) {
        list_.set("scrollTop", bottom - list_["clientHeight"].as<double>());
    }
    dom::setAttribute(input_, "aria-activedescendant", optionId(model_, index));
}

void ComboBoxElement::pick(int index) {
    closeList();
    view_.deliver([this, index] { model_.pick(index); });
}
