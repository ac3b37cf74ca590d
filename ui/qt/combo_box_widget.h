#pragma once

#include <QComboBox>

#include "ui/combo_box.h"
#include "ui/wheel_notches.h"

class FormView;

// An editable combo box that reports the user's typing as the model's Change (once per
// keystroke) and a pick from the list as its Click, never both for one action. It takes wheel
// turns only while it has the keyboard focus, each entry stepped to as one pick; a turn with the
// focus elsewhere goes on to the window, so that scrolling past it never switches the entry.
class ComboBoxWidget : public QComboBox {
    Q_OBJECT
public:
    ComboBoxWidget(ComboBox& model, FormView& view);

    // Brings the widget in step with its model control without raising any event.
    void syncFromModel();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    ComboBox& model_;
    FormView& view_;
    WheelNotches notches_;
};
