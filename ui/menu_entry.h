#pragma once

#include <functional>
#include <string>
#include <string_view>

// A key that runs a menu entry from anywhere in the window: the key as a menu names it (a letter in
// upper case "T", a digit "1", ".", a function key "F11") and its modifiers. Ctrl stands for Cmd
// on a Mac in the browser.
struct MenuKey {
    std::string_view key;
    bool control = false;
    bool shift = false;

    friend bool operator==(const MenuKey&, const MenuKey&) = default;
};

// How a menu writes the key beside its entry: "Ctrl+Shift+C", ".", "F11". Qt reads the same text
// as a portable key sequence.
std::string keyText(const MenuKey& key);

// One entry of a menu, as a view renders it: what it shows, its key, whether it can run and is
// on, and what it does. The views know nothing else of the tools behind the entries.
struct MenuEntry {
    enum class Kind {
        Action,  // runs once a press
        Check,   // on or off
        Choice,  // one of a run of neighbouring Choice entries, the one that is on
    };

    std::string id;     // the entry's object name or element id
    std::string label;  // what the menu shows
    std::string menu;   // the menu of a menu bar it stands in, in English ("Picture", "Help")
    std::string hint;   // a sentence more, for a tooltip and a screen reader; may be empty
    MenuKey key;
    Kind kind = Kind::Action;
    bool separatorBefore = false;
    std::function<void()> run;
    // A tool that cannot run now is listed, dimmed, and its key does nothing. Null: always.
    std::function<bool()> enabled;
    // For a Check or Choice entry: whether it is on. Null: never.
    std::function<bool()> checked;

    bool isEnabled() const { return !enabled || enabled(); }
    bool isChecked() const { return checked && checked(); }
};
