#include "ui/web/tool_menu.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "i18n/translate.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

namespace {

// How long a finger rests on the picture before the menu opens, and how far it may wander.
constexpr int kLongPressMilliseconds = 600;
constexpr double kLongPressSlack = 10;

const char* roleOf(MenuEntry::Kind kind) {
    switch (kind) {
        case MenuEntry::Kind::Check:
            return "menuitemcheckbox";
        case MenuEntry::Kind::Choice:
            return "menuitemradio";
        case MenuEntry::Kind::Action:
            break;
    }
    return "menuitem";
}

// A text field, where keys are the user's text: a list's own field or any other input.
bool isTextField(const val& element) {
    if (element.isNull() || element.isUndefined())
        return false;
    const val tag = element["tagName"];
    return tag.isString() &&
           (tag.as<std::string>() == "INPUT" || tag.as<std::string>() == "TEXTAREA");
}

// The key as aria-keyshortcuts names it: "Control+Shift+C", "Period".
std::string ariaKeys(const MenuKey& key) {
    std::string text;
    if (key.control)
        text += "Control+";
    if (key.shift)
        text += "Shift+";
    return text + (key.key == "." ? std::string("Period") : std::string(key.key));
}

// Whether event.key is the key: a letter in either case, anything else as it is.
bool isKey(std::string pressed, std::string_view key) {
    if (pressed.size() == 1)
        pressed[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(pressed[0])));
    return pressed == key;
}

}  // namespace

ToolMenu::ToolMenu(val stage, std::vector<MenuEntry> tools)
    : stage_(std::move(stage)), menu_(dom::create("div", "tool-menu")), tools_(std::move(tools)) {
    menu_.set("id", val("toolMenu"));
    dom::setAttribute(menu_, "role", "menu");
    dom::setAttribute(menu_, "aria-label", i18n::tr("Tools"));
    dom::setShown(menu_, false);
    stage_.call<void>("appendChild", menu_);
    // The focus moved elsewhere (a click, a script, Tab): the menu is done, and the focus stays
    // where it went.
    DomEvents::listen(menu_, "focusout", [this](val event) {
        const val next = event["relatedTarget"];
        if (open_ && (next.isNull() || !menu_.call<bool>("contains", next)))
            close(false);
    });

    const val window = val::global("window");
    DomEvents::listen(window, "keydown", [this](val event) { keyDown(std::move(event)); });
    DomEvents::listen(stage_, "contextmenu", [this](val event) {
        if (isTextField(event["target"]))
            return;  // the text field's own menu: cut, copy, paste
        event.call<void>("preventDefault");
        openAt(event["clientX"].as<double>(), event["clientY"].as<double>());
    });
    // A press outside the open menu closes it, and then does what it does.
    val capture = val::object();
    capture.set("capture", true);
    window.call<void>("addEventListener", val("pointerdown"),
                      DomEvents::function([this](val event) {
                          if (open_ && !menu_.call<bool>("contains", event["target"]))
                              close();
                      }),
                      capture);
    window.call<void>("addEventListener", val("blur"), DomEvents::function([this](val) {
                          if (open_)
                              close();
                      }));
    // A long press of a finger on the picture, where a finger has no right button.
    longPressFired_ = DomEvents::function([this](val) {
        longPress_ = val::null();
        openAt(pressX_, pressY_);
    });
    DomEvents::listen(stage_, "pointerdown", [this](val event) { pressStarted(std::move(event)); });
    DomEvents::listen(stage_, "pointermove", [this](val event) {
        if (!longPress_.isNull() &&
            std::hypot(event["clientX"].as<double>() - pressX_,
                       event["clientY"].as<double>() - pressY_) > kLongPressSlack) {
            pressEnded();
        }
    });
    DomEvents::listen(stage_, "pointerup", [this](val) { pressEnded(); });
    DomEvents::listen(stage_, "pointercancel", [this](val) { pressEnded(); });
}

void ToolMenu::pressStarted(val event) {
    pressEnded();
    if (event["pointerType"].as<std::string>() != "touch")
        return;
    // Only on the painted picture: a finger on a phasor tip drags it, on a control uses it.
    const val target = event["target"];
    if (!target["id"].isString() || target["id"].as<std::string>() != "picture")
        return;
    pressX_ = event["clientX"].as<double>();
    pressY_ = event["clientY"].as<double>();
    longPress_ = val::global("setTimeout")(longPressFired_, kLongPressMilliseconds);
}

void ToolMenu::pressEnded() {
    if (!longPress_.isNull())
        val::global("clearTimeout")(longPress_);
    longPress_ = val::null();
}

// The entries as the tools stand; none before the menu first opens.
void ToolMenu::refresh() {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuEntry& tool = tools_[i];
        dom::setAttribute(items_[i], "aria-disabled", tool.isEnabled() ? "false" : "true");
        if (tool.kind != MenuEntry::Kind::Action)
            dom::setAttribute(items_[i], "aria-checked", tool.isChecked() ? "true" : "false");
    }
}

// The entries are made when the menu first opens: nothing of them is needed to start.
void ToolMenu::build() {
    if (!items_.empty())
        return;
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        const MenuEntry& tool = tools_[i];
        if (tool.separatorBefore) {
            val separator = dom::create("div", "tool-menu-separator");
            dom::setAttribute(separator, "role", "separator");
            menu_.call<void>("appendChild", separator);
        }
        val item = dom::create("div", "tool-menu-item");
        item.set("id", tool.id);
        dom::setAttribute(item, "role", roleOf(tool.kind));
        dom::setAttribute(item, "tabindex", "-1");
        dom::setAttribute(item, "aria-keyshortcuts", ariaKeys(tool.key));
        // Not every screen reader reads aria-keyshortcuts: the name, made of what the entry
        // shows, carries the key too ("Copy picture Ctrl+C").
        if (!tool.hint.empty()) {
            dom::setAttribute(item, "title", tool.hint);
            dom::setAttribute(item, "aria-description", tool.hint);
        }
        val label = dom::create("span", "tool-menu-label");
        dom::setText(label, tool.label);
        val keys = dom::create("span", "tool-menu-shortcut");
        dom::setText(keys, keyText(tool.key));
        item.call<void>("appendChild", label);
        // A blank between the two, which the menu's layout takes no room for.
        item.call<void>("appendChild", dom::document().call<val>("createTextNode", val(" ")));
        item.call<void>("appendChild", keys);
        // A press on an entry leaves the focus where it is until the entry runs.
        DomEvents::listen(item, "mousedown", [](val event) { event.call<void>("preventDefault"); });
        DomEvents::listen(item, "click", [this, i](val) { runTool(i); });
        // The focus follows the pointer only when the pointer moves: a menu opened under a
        // resting pointer gets a boundary event from the browser's own re-layout, whenever that
        // comes, and it must not take the focus back from the arrow keys.
        DomEvents::listen(item, "pointermove", [this, i](val) {
            if (focusedItem() != i)
                focusItem(i);
        });
        menu_.call<void>("appendChild", item);
        items_.push_back(item);
    }
}

void ToolMenu::openAt(double x, double y) {
    build();
    refresh();
    if (!open_) {
        const val active = dom::document()["activeElement"];
        focusBefore_ = menu_.call<bool>("contains", active) ? val::null() : active;
    }
    dom::setShown(menu_, true);
    open_ = true;
    // Inside the page, whatever corner was pressed.
    const double width = menu_["offsetWidth"].as<double>();
    const double height = menu_["offsetHeight"].as<double>();
    const double pageWidth = stage_["clientWidth"].as<double>();
    const double pageHeight = stage_["clientHeight"].as<double>();
    const double left = std::max(0.0, std::min(x, pageWidth - width));
    const double top = std::max(0.0, std::min(y, pageHeight - height));
    dom::setStyle(menu_, "left", dom::pixels(left));
    dom::setStyle(menu_, "top", dom::pixels(top));
    focusItem(0);
}

void ToolMenu::openNearFocus() {
    const val active = dom::document()["activeElement"];
    if (!active.isNull() && !active.isUndefined() && active != dom::document()["body"]) {
        const val box = active.call<val>("getBoundingClientRect");
        openAt(box["left"].as<double>(), box["bottom"].as<double>());
    } else {
        openAt(stage_["clientWidth"].as<double>() / 3, stage_["clientHeight"].as<double>() / 3);
    }
}

void ToolMenu::close(bool restoreFocus) {
    if (!open_)
        return;
    open_ = false;
    val before = focusBefore_;
    focusBefore_ = val::null();
    dom::setShown(menu_, false);
    if (restoreFocus && !before.isNull() && !before.isUndefined() &&
        before["focus"].typeOf().as<std::string>() == "function") {
        before.call<void>("focus");
    }
}

// The focused entry alone is in the tab order (a roving tabindex), so that a menu taller than the
// page, which then scrolls, is reached from the keyboard.
void ToolMenu::focusItem(std::size_t index) {
    if (index >= items_.size())
        return;
    for (std::size_t i = 0; i < items_.size(); ++i)
        dom::setAttribute(items_[i], "tabindex", i == index ? "0" : "-1");
    items_[index].call<void>("focus");
}

std::size_t ToolMenu::focusedItem() const {
    const val active = dom::document()["activeElement"];
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == active)
            return i;
    }
    return items_.size();
}

void ToolMenu::runTool(std::size_t index) {
    if (index >= tools_.size() || !tools_[index].isEnabled())
        return;
    close();
    tools_[index].run();
}

void ToolMenu::keyDown(val event) {
    if (open_) {
        menuKey(event);
        return;
    }
    const std::string key = event["key"].as<std::string>();
    const bool shift = event["shiftKey"].as<bool>();
    if (isTextField(event["target"]))
        return;  // the user is typing into a list
    // Text selected in the page (a message's) is copied as text: Ctrl+C is then the browser's.
    if ((key == "c" || key == "C") &&
        !dom::document().call<val>("getSelection").call<std::string>("toString").empty()) {
        return;
    }
    if (key == "ContextMenu" || (key == "F10" && shift)) {
        event.call<void>("preventDefault");
        openNearFocus();
        return;
    }
    runShortcut(event);
}

void ToolMenu::menuKey(val& event) {
    const std::string key = event["key"].as<std::string>();
    const std::size_t count = items_.size();
    const std::size_t current = focusedItem();
    bool handled = true;
    if (key == "ArrowDown") {
        focusItem(current >= count ? 0 : (current + 1) % count);
    } else if (key == "ArrowUp") {
        focusItem(current >= count ? count - 1 : (current + count - 1) % count);
    } else if (key == "Home" || key == "PageUp") {
        focusItem(0);
    } else if (key == "End" || key == "PageDown") {
        focusItem(count - 1);
    } else if (key == "Enter" || key == " ") {
        runTool(current);
    } else if (key == "Escape" || key == "ContextMenu" ||
               (key == "F10" && event["shiftKey"].as<bool>())) {
        close();
    } else if (key == "Tab") {
        // The focus goes back, and Tab then moves it on from there.
        handled = false;
        close();
    } else {
        // A tool's own key runs it from the open menu too.
        handled = false;
        const std::size_t tool = toolFor(event);
        if (tool < tools_.size()) {
            event.call<void>("preventDefault");
            runTool(tool);
        }
    }
    if (handled)
        event.call<void>("preventDefault");
}

std::size_t ToolMenu::toolFor(const val& event) const {
    if (event["altKey"].as<bool>())
        return tools_.size();
    const std::string key = event["key"].as<std::string>();
    const bool control = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    const bool shift = event["shiftKey"].as<bool>();
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        const MenuKey& k = tools_[i].key;
        if (isKey(key, k.key) && k.control == control && k.shift == shift)
            return i;
    }
    return tools_.size();
}

void ToolMenu::runShortcut(val& event) {
    const std::size_t index = toolFor(event);
    if (index >= tools_.size())
        return;
    event.call<void>("preventDefault");
    const MenuEntry& tool = tools_[index];
    // A held key steps frame after frame; a switch flips once a press.
    if (tool.kind != MenuEntry::Kind::Action && event["repeat"].as<bool>())
        return;
    if (tool.isEnabled()) {
        tool.run();
        refresh();
    }
}
