#pragma once

#include <memory>

#include "ui/scroll_bar.h"
#include "ui/web/interval_clock.h"
#include "ui/web/windowed_element.h"
#include "ui/wheel_notches.h"

class WebFormView;

// A horizontal scroll bar (ARIA scrollbar): an arrow at each end, a track and a thumb. The arrows
// and the arrow keys step by SmallChange (Right and Up up, Left and Down down), the track and
// Page Up / Page Down by LargeChange, Home and End go to Min and Max, as on the desktop; a held
// arrow or track repeats. While it has the keyboard focus, each notch of the wheel is one
// SmallChange, to the left for a turn away from the user; without the focus it leaves the wheel
// alone, as on the desktop. Every change of the value is one Change of the model.
class ScrollBarElement : public WindowedElement {
public:
    ScrollBarElement(ScrollBar& model, WebFormView& view);

    const BoxControl& control() const override { return model_; }
    emscripten::val element() const override { return bar_; }
    emscripten::val focusElement() const override { return bar_; }
    void syncFromModel() override;
    void arrangementChanged() override;

private:
    enum class Part { None, LeftArrow, RightArrow, Track, Thumb };

    // The parts along the bar, in CSS pixels from its left edge.
    struct Layout {
        double width = 0;
        double arrow = 0;
        double thumb = 0;
        double trackLength() const { return width - 2 * arrow; }
    };

    void pressed(const emscripten::val& event);
    void moved(const emscripten::val& event);
    void released(const emscripten::val& event);
    void keyDown(const emscripten::val& event);
    void wheel(const emscripten::val& event);
    void repeat();
    // One press of a part: an arrow's step, or a page toward the pointer on the track.
    void act();
    void stepBy(int delta);
    void moveTo(int value);
    double pointerX(const emscripten::val& event) const;
    double thumbLeft() const;
    Layout layout() const;

    ScrollBar& model_;
    WebFormView& view_;
    emscripten::val bar_;
    emscripten::val leftArrow_;
    emscripten::val track_;
    emscripten::val thumb_;
    emscripten::val rightArrow_;
    std::unique_ptr<IntervalClock> repeat_;
    WheelNotches notches_;
    Part pressed_ = Part::None;
    int pointerId_ = 0;
    double pointerX_ = 0;
    double grab_ = 0;
};
