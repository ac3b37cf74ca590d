#pragma once

#include <QWidget>

// The outline of a dragged control, drawn above every widget while the mouse button is held.
// It never takes input.
class DragOverlay : public QWidget {
    Q_OBJECT
public:
    explicit DragOverlay(QWidget* parent);

    // Shows the outline at `outline` (pixels of the parent); `accepted` tells whether a release
    // there would place the control.
    void showOutline(const QRect& outline, bool accepted);
    void hideOutline();
    bool outlineVisible() const { return !outline_.isNull(); }
    QRect outline() const { return outline_; }
    bool accepted() const { return accepted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect outline_;
    bool accepted_ = true;
};
