#pragma once

#include <QScrollBar>

#include "ui/scroll_bar.h"
#include "ui/wheel_notches.h"

class FormView;

// A horizontal scroll bar that reports every change of its value as the model's Change. It takes
// wheel turns only while it has the keyboard focus, a SmallChange a notch; a turn with the focus
// elsewhere goes on to the window, so that a pointer resting on it cannot change the picture.
class ScrollBarWidget : public QScrollBar {
    Q_OBJECT
public:
    ScrollBarWidget(ScrollBar& model, FormView& view);

    void syncFromModel();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    ScrollBar& model_;
    FormView& view_;
    WheelNotches notches_;
};
