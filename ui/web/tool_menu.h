#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/menu_entry.h"

// The page's context menu of tools: opened by a right click or a long press on the picture, by
// the context-menu key or Shift+F10; each entry names its keyboard shortcut, and the shortcuts
// work wherever the focus is, except in a list's text field, where the keys are the user's text.
// The menu is a role=menu of menuitems (checkboxes and radios where a tool has a state), walked
// with the arrow keys, Home and End, run with Enter or Space and closed with Escape. A tool's
// hint is its tooltip and its description for a screen reader.
class ToolMenu {
public:
    ToolMenu(emscripten::val stage, std::vector<MenuEntry> tools);
    ToolMenu(const ToolMenu&) = delete;
    ToolMenu& operator=(const ToolMenu&) = delete;

    // Opens the menu with its top left corner at a point of the page (CSS pixels), moved in to
    // stay on the page, with the keyboard focus on its first entry.
    void openAt(double x, double y);
    // Closes the menu, by default giving the focus back to where it was before it opened.
    void close(bool restoreFocus = true);

private:
    void keyDown(emscripten::val event);
    void menuKey(emscripten::val& event);
    // The tool whose shortcut the key event is, or tools_.size().
    std::size_t toolFor(const emscripten::val& event) const;
    void runShortcut(emscripten::val& event);
    void runTool(std::size_t index);
    void build();
    void refresh();
    void focusItem(std::size_t index);
    std::size_t focusedItem() const;
    void openNearFocus();
    void pressStarted(emscripten::val event);
    void pressEnded();

    emscripten::val stage_;
    emscripten::val menu_;
    std::vector<MenuEntry> tools_;
    std::vector<emscripten::val> items_;
    emscripten::val focusBefore_ = emscripten::val::null();
    emscripten::val longPress_ = emscripten::val::null();
    emscripten::val longPressFired_ = emscripten::val::null();
    double pressX_ = 0;
    double pressY_ = 0;
    bool open_ = false;
};
