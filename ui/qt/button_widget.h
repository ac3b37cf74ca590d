#pragma once

#include <QPushButton>

#include "ui/button.h"

class FormView;

// A push button. It reports presses as the model's MouseDown and clicks as its Click; when the
// MouseDown handler begins a drag of the button, the press belongs to the drag until the
// release, and the button itself does not move or look pressed.
class ButtonWidget : public QPushButton {
    Q_OBJECT
public:
    ButtonWidget(Button& model, FormView& view);

    Button& model() { return model_; }
    void syncFromModel();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Button& model_;
    FormView& view_;
    bool dragging_ = false;
};
