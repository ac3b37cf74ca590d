#pragma once

#include <QComboBox>

#include "ui/combo_box.h"

class FormView;

// An editable combo box that reports the user's typing as the model's Change (once per
// keystroke) and a pick from the list as its Click, never both for one action.
class ComboBoxWidget : public QComboBox {
    Q_OBJECT
public:
    ComboBoxWidget(ComboBox& model, FormView& view);

    // Brings the widget in step with its model control without raising any event.
    void syncFromModel();

private:
    ComboBox& model_;
    FormView& view_;
};
