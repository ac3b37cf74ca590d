#pragma once

#include <string>
#include <vector>

#include "ui/combo_box.h"
#include "ui/web/windowed_element.h"
#include "ui/wheel_notches.h"

class WebFormView;

// An editable combo box: a text field (ARIA combobox) with a drop-down list (ARIA listbox).
// Every keystroke that changes the text is one Change of the model; a pick from the list (a
// click or tap on an entry, Enter on the highlighted one, or Up, Down, Page Up and Page Down on
// the closed list, each one entry, as on the desktop) is one Click. Alt+Down or F4 opens the list,
// Escape closes it. While it has the keyboard focus, each notch of the wheel over the closed box
// picks the entry above (a turn away from the user) or below; without the focus it leaves the
// wheel alone, as on the desktop. On a touch screen a tap on the field opens the list, and the
// screen's keyboard stays away (inputmode "none"); a list of numbers, which a student may type
// into, brings up the numeric keypad at a second tap in its open field (inputmode "decimal").
class ComboBoxElement : public WindowedElement {
public:
    ComboBoxElement(ComboBox& model, WebFormView& view);

    const BoxControl& control() const override { return model_; }
    emscripten::val element() const override { return box_; }
    emscripten::val focusElement() const override { return input_; }
    void syncFromModel() override;
    void paneScrolled() override { closeList(); }

    // The drop-down list, which the view puts on the stage above every other element.
    emscripten::val list() const { return list_; }

private:
    void typed();
    void pressed(const emscripten::val& event);
    void tapped();
    void keyboardMode(const char* mode);
    void keyDown(const emscripten::val& event);
    void listClicked(const emscripten::val& event);
    void wheel(const emscripten::val& event);
    void openList();
    void closeList();
    void placeList();
    void highlight(int index);
    void pick(int index);

    ComboBox& model_;
    WebFormView& view_;
    emscripten::val box_;
    emscripten::val input_;
    emscripten::val arrow_;
    emscripten::val list_;
    std::vector<std::string> shownItems_;
    WheelNotches notches_;
    bool open_ = false;
    bool numbers_ = false;     // every entry a number: typing one is expected
    bool touchPress_ = false;  // the field was last pressed by a finger
    int highlighted_ = -1;
};
