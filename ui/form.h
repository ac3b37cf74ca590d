#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/control_array.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/rect_f.h"
#include "ui/scroll_bar.h"
#include "ui/shape.h"
#include "ui/timer.h"

// A window: a client area in twips, the controls it owns in their stacking order, its events,
// manual drag and drop, and the part of the picture that needs repainting.
class Form {
public:
    using PaintedControl = std::variant<Line*, Shape*, Label*, Image*>;
    using WindowedControlRef = std::variant<ComboBox*, Button*, ScrollBar*>;

    enum class DropResult {
        NoDrag,          // nothing was being dragged
        Outside,         // released outside the client area: nothing happens
        TakenByControl,  // a visible button, combo box, scroll bar, label or image took it
        Dropped,         // the window's DragDrop event ran
    };

    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& caption() const { return caption_; }
    double clientWidth() const { return clientWidth_; }
    double clientHeight() const { return clientHeight_; }

    // Painted controls, bottom first: each lies above everything before it.
    const std::vector<PaintedControl>& paintOrder() const { return paintOrder_; }
    // Windowed controls, in the order they were added (above every painted control).
    const std::vector<WindowedControlRef>& windowedControls() const { return windowed_; }
    const std::vector<Timer*>& timers() const { return timers_; }

    // The load of the window: raised once, before it is first shown.
    std::function<void()> onLoad;
    void load() {
        if (onLoad)
            onLoad();
    }

    // A control dropped on the window, with the drop point in twips.
    std::function<void(Button& source, float x, float y)> onDragDrop;
    void beginDrag(Button& source) { dragSource_ = &source; }
    Button* dragSource() const { return dragSource_; }
    void cancelDrag() { dragSource_ = nullptr; }
    // A drag ends with its control: a hidden button can no longer be dropped. Returns whether
    // it ended the drag, so that a view takes its outline away.
    bool cancelDragOfHiddenSource();
    // Ends the drag with the pointer released at (x, y): the topmost visible control that takes
    // drops takes it; anywhere else in the client area the window's DragDrop event runs.
    DropResult drop(double x, double y);
    // Ends the drag by raising the window's DragDrop event at (x, y) directly: a drop made from
    // the keyboard has no pointer, so no control lies under it. Outside the client area nothing
    // happens, as for the mouse.
    DropResult dropFromKeyboard(double x, double y);
    // The control that would take a drop at (x, y), or null when the window would.
    const Control* dropTarget(double x, double y) const;
    // Whether a drop at (x, y) would reach the window's DragDrop event: what a drag shows.
    bool acceptsDrop(double x, double y) const {
        return insideClientArea(x, y) && dropTarget(x, y) == nullptr;
    }

    // An arrow key on a button moves it one step: it raises MouseDown with the left button at the
    // button's centre and, when that begins a drag of the button, drops it from the keyboard one
    // step in the arrow's direction away from its centre. Returns whether it did; if not, the
    // key is the button's.
    enum class Arrow { Left, Right, Up, Down };
    static constexpr double kKeyboardStep = 60;  // twips, the handles' grid
    bool moveFromKeyboard(Button& source, Arrow arrow, int shift);

    bool insideClientArea(double x, double y) const;

    void controlChanged(const Control& control, bool wasVisible, const RectF& before);
    // What changed on the painted surface since the last call, in twips.
    RectF takeDirtyRegion();

protected:
    void setCaption(std::string caption) { caption_ = std::move(caption); }
    void setClientSize(double width, double height) {
        clientWidth_ = width;
        clientHeight_ = height;
    }

    // Design time: stacking order, bottom first; within an array the higher index lies above.
    template <class T>
    void addPainted(T& control) {
        control.attach(*this);
        paintOrder_.push_back(&control);
    }
    template <class T, int N>
    void addPainted(ControlArray<T, N>& array, int first = 0, int last = N - 1) {
        for (int i = first; i <= last; ++i) addPainted(array[i]);
    }
    template <class T>
    void addWindowed(T& control) {
        control.attach(*this);
        windowed_.push_back(&control);
    }
    template <class T, int N>
    void addWindowed(ControlArray<T, N>& array) {
        for (T& control : array) addWindowed(control);
    }
    void addTimer(Timer& timer) { timers_.push_back(&timer); }

private:
    std::string caption_;
    double clientWidth_ = 0;
    double clientHeight_ = 0;
    std::vector<PaintedControl> paintOrder_;
    std::vector<WindowedControlRef> windowed_;
    std::vector<Timer*> timers_;
    Button* dragSource_ = nullptr;
    RectF dirty_;
};
