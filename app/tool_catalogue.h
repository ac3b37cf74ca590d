#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/menu_entry.h"

class Form1;

namespace tool_catalogue {
enum class Edition { Desktop, Browser };
}  // namespace tool_catalogue

// What only an edition can do for a tool: its clipboard, its files and its screen. The desktop
// program and the browser page each provide them in their own way.
class EditionServices {
public:
    virtual ~EditionServices() = default;
    // The picture as it shows, on the clipboard.
    virtual void copyPicture() = 0;
    // The picture as a PNG at `factor` times its size on screen (1 or 2), and as an SVG drawing.
    virtual void savePicture(int factor) = 0;
    virtual bool fullScreen() const = 0;
    virtual void toggleFullScreen() = 0;
    // The set-up on screen, in the form that opens it again: a command line or a link.
    virtual void copySetUp() = 0;
    // The numbers behind the picture (demos::dataOf) as CSV: every table on the clipboard, one
    // after another; or saved, a file a table.
    virtual void copyData() = 0;
    virtual void saveData() = 0;
    // The whole description of the picture, said by the screen reader.
    // The animation from the picture on show, as a file for slides (animation::lengthOf frames).
    virtual void recordAnimation() = 0;
    virtual void describePicture() = 0;
    // A message the user reads and closes: the keys (keysText) or what the program is
    // (aboutText), under its title.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Lets the user pick the window's language; the window opens again in it, on the same
    // set-up.
    virtual void chooseLanguage() = 0;
    virtual tool_catalogue::Edition edition() const = 0;
};

// The lecturer's tools, listed once: each with its id, its label, its key, its kind, when it can
// run and when it is on, and what it does. Both editions' menus render this list; the few places
// where an edition must differ are in differences(), each with its reason.
namespace tool_catalogue {

// The menus of a menu bar, in its order: each tool stands in one.
enum class Menu { Picture, Animation, Lessons, View, Help };
std::string_view titleOf(Menu menu);
// The menus' titles in the menu bar's order.
std::vector<std::string> menuTitles();

struct Tool {
    std::string_view id;
    std::string_view label;
    Menu menu;
    MenuKey key;
    MenuEntry::Kind kind = MenuEntry::Kind::Action;
    bool separatorBefore = false;
    // A tool changes the window (run inside the view's deliver, so that it repaints after it) or
    // asks the edition for a service; one of the two is set.
    void (*change)(Form1&) = nullptr;
    void (*service)(EditionServices&) = nullptr;
    // Null: always enabled; never on.
    bool (*enabled)(const Form1&) = nullptr;
    bool (*checked)(const Form1&, const EditionServices&) = nullptr;
    // A sentence more on what the student does with it; may be empty.
    std::string_view hint = {};
};

// Where an edition shows a tool otherwise, and why: an empty label or key is the catalogue's.
struct Difference {
    std::string_view id;
    Edition edition;
    std::string_view label;
    MenuKey key;
    std::string_view why;
};

std::span<const Tool> tools();
std::span<const Difference> differences();

// The label and the key of a tool in an edition.
std::string_view labelIn(const Tool& tool, Edition edition);
MenuKey keyIn(const Tool& tool, Edition edition);

// Runs one user action with everything it raises, then repaints: FormView::deliver or its browser
// twin.
using Deliver = std::function<void(const std::function<void()>&)>;

// The menu of an edition, bound to its window and its services.
std::vector<MenuEntry> menu(Form1& form, EditionServices& services, Edition edition,
                            Deliver deliver);

// Every key of an edition, a line each: the tools' keys, then the window's own (Tab, the arrow
// keys, the wheel), as "Help > Keys" shows them.
std::string keysText(Edition edition);
// The same, a key (or keys) and what it does a row.
std::vector<std::pair<std::string, std::string>> keyRows(Edition edition);
// The program's name, its version and what it is, as "Help > About" shows them.
std::string aboutText();

// "propagation-demos-ricean": a saved picture's name, after the demonstration on show.
std::string pictureFileName(const Form1& form);

// The numbers behind the picture on show, as "Copy data" puts them on the clipboard: every
// table's CSV, a blank line between two.
std::string dataText(const Form1& form);
// The same as "Save data" saves them, a file a table: its name after `stem` and the table's
// ("propagation-demos-rayleigh-rays.csv"; a ".csv" that ends `stem` is taken off first), its text.
struct DataFile {
    std::string name;
    std::string text;
};
std::vector<DataFile> dataFiles(const Form1& form, std::string_view stem);

}  // namespace tool_catalogue
