#include "ui/web/web_form_view.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "i18n/translate.h"
#include "ui/web/button_element.h"
#include "ui/web/combo_box_element.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"
#include "ui/web/scroll_bar_element.h"

using emscripten::val;

void WebFormView::createElements() {
    std::vector<ComboBoxElement*> combos;
    for (const auto& ref : form_.windowedControls()) {
        if (auto* combo = std::get_if<ComboBox*>(&ref)) {
            auto element = std::make_unique<ComboBoxElement>(**combo, *this);
            combos.push_back(element.get());
            elements_.push_back(std::move(element));
        } else if (auto* button = std::get_if<Button*>(&ref)) {
            elements_.push_back(std::make_unique<ButtonElement>(**button, *this));
        } else if (auto* bar = std::get_if<ScrollBar*>(&ref)) {
            elements_.push_back(std::make_unique<ScrollBarElement>(**bar, *this));
        }
    }
    // The page's order is the focus order: the design's tab order.
    for (const std::size_t index : formSync_.tabOrder()) {
        WindowedElement* element = elements_[index].get();
        // A description belongs to its control alone: hidden from the reading order, it is read
        // only as the control's description, and not at all while the control is hidden.
        val description = dom::create("span", "description");
        description.set("id", element->control().name() + "-description");
        dom::setAttribute(description, "hidden", "");
        stage_.call<void>("appendChild", description);
        element->description = description;
        dom::setAttribute(element->focusElement(), "aria-describedby",
                          element->control().name() + "-description");
    }
    // The open lists lie above every control, the drag outline and an error above everything.
    for (ComboBoxElement* combo : combos) stage_.call<void>("appendChild", combo->list());
    stage_.call<void>("appendChild", outline_);
    stage_.call<void>("appendChild", notice_);
    stage_.call<void>("appendChild", errorBox_);

    for (Timer* timer : form_.timers()) {
        auto clock = std::make_unique<IntervalClock>([this, timer] { clockTicked(*timer); });
        timers_.push_back({timer, std::move(clock)});
    }
}

void WebFormView::syncElements(const std::vector<bool>& changed) {
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        WindowedElement* element = elements_[i].get();
        const BoxControl& control = element->control();
        if (changed[i])
            element->syncFromModel();
        // Names follow the labels' captions, which any handler may change; a value in words and
        // a switch's state follow the picture.
        const val focus = element->focusElement();
        auto& written = element->written;
        dom::setAttribute(focus, "aria-label", control.accessibleName(), written.name);
        dom::setText(element->description, i18n::shown(control.accessibleDescription()),
                     written.description);
        if (!control.accessibleValue().empty())
            dom::setAttribute(focus, "aria-valuetext", control.accessibleValue(), written.value);
        if (control.accessiblePressed())
            dom::setAttribute(focus, "aria-pressed",
                              *control.accessiblePressed() ? "true" : "false", written.pressed);
    }
}

void WebFormView::syncTimers(const std::vector<bool>& changed) {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (!changed[i])
            continue;
        const TimerBinding& binding = timers_[i];
        const int interval = binding.timer->interval();
        const bool run = binding.timer->enabled() && interval > 0 && error_.empty();
        if (!run) {
            binding.clock->stop();
        } else if (!binding.clock->active() || binding.clock->period() != interval) {
            binding.clock->start(interval, interval);
        }
    }
}

const IntervalClock* WebFormView::clockOf(const Timer& timer) const {
    for (const auto& binding : timers_) {
        if (binding.timer == &timer)
            return binding.clock.get();
    }
    return nullptr;
}

// The pane's order is the focus order: an element that moves to another pane goes before the
// first element there that comes after it in the design's tab order. Elements that stay are not
// touched, so that the one with the focus keeps it (a keyboard that slides up arranges the page
// anew under the student's typing).
void WebFormView::placeElementsInPanes() {
    const std::vector<std::size_t> order = formSync_.tabOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        WindowedElement* element = elements_[order[i]].get();
        const int pane = arrangement_.regionOf(element->control().box()).pane;
        if (element->pane == pane)
            continue;
        val before = val::null();
        for (std::size_t j = i + 1; j < order.size() && before.isNull(); ++j) {
            if (elements_[order[j]]->pane == pane)
                before = elements_[order[j]]->element();
        }
        panes_[pane].box.call<void>("insertBefore", element->element(), before);
        element->pane = pane;
    }
}

val WebFormView::elementOf(const std::string& name) const {
    for (const auto& element : elements_) {
        if (element->control().name() == name)
            return element->focusElement();
    }
    return val::null();
}

void WebFormView::setPictureDescription(const std::string& name, const std::string& description) {
    dom::setAttribute(panes_[0].canvas, "aria-label", name, pictureName_);
    dom::setText(pictureDescription_, description, pictureWords_);
}

// The region speaks when its text changes: the same words twice need it emptied in between,
// which a screen reader takes as nothing said.
void WebFormView::announce(const std::string& text) {
    if (text.empty())
        return;
    if (liveRegion_["textContent"].as<std::string>() == text)
        liveRegion_.set("textContent", val(""));
    liveRegion_.set("textContent", val(text));
}

void WebFormView::createNotice() {
    notice_ = dom::create("div", "notice");
    notice_.set("id", val("notice"));
    noticeText_ = dom::create("p", "notice-text");
    noticeText_.set("id", val("noticeText"));
    val close = dom::create("button", "notice-close");
    close.set("type", val("button"));
    close.set("textContent", val(std::string(i18n::tr("Close"))));
    notice_.call<void>("appendChild", noticeText_);
    notice_.call<void>("appendChild", close);
    dom::setShown(notice_, false);
    DomEvents::listen(close, "click", [this](val) { closeNotice(); });
    DomEvents::listen(notice_, "keydown", [this](val event) {
        if (event["key"].as<std::string>() == "Escape") {
            event.call<void>("preventDefault");
            closeNotice();
        }
    });
    noticeExpired_ = DomEvents::function([this](val) {
        noticeTimeout_ = val::null();
        closeNotice();
    });
}

void WebFormView::showNotice(const std::string& text, Notice kind) {
    if (!noticeTimeout_.isNull())
        val::global("clearTimeout")(noticeTimeout_);
    noticeTimeout_ = val::null();
    // A problem is announced at once and waits for the user; information is read in turn.
    dom::setAttribute(notice_, "role", kind == Notice::Problem ? "alert" : "status");
    notice_["classList"].call<void>("toggle", val("problem"), kind == Notice::Problem);
    dom::setText(noticeText_, text);
    dom::setShown(notice_, true);
    if (kind == Notice::Information)
        noticeTimeout_ = val::global("setTimeout")(noticeExpired_, 5000);
}

void WebFormView::closeNotice() {
    if (!noticeTimeout_.isNull())
        val::global("clearTimeout")(noticeTimeout_);
    noticeTimeout_ = val::null();
    dom::setShown(notice_, false);
}
