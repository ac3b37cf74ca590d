#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QActionGroup;
class QMenu;
class Form1;
class FormView;

// The lecturer's tools on the desktop window: a context menu (right click on the picture,
// Shift+F10 or the Menu key) and a keyboard shortcut for each tool that works wherever the focus
// is, except that a list being typed into keeps its own keys (its line edit claims them first).
// The tools themselves are the model's (Form1::tools) and the drawing layer's; this only maps
// actions onto them.
class TeachingMenu : public QObject {
    Q_OBJECT
public:
    TeachingMenu(FormView& view, Form1& form);

    QMenu& menu() { return *menu_; }
    // Shows the menu at a point of the view (its pixels).
    void popup(QPoint position);
    // The checks and the enabled states as the window now stands.
    void refresh();

private:
    // A window-wide shortcut, listed in `into` (the menu itself when null).
    QAction* addAction(const char* name, const QString& text, const QKeySequence& shortcut,
                       QMenu* into = nullptr);
    void copyPicture();
    void savePicture();
    void toggleFullScreen();
    void copyCommandLine();

    FormView& view_;
    Form1& form_;
    QMenu* menu_ = nullptr;
    QAction* step_ = nullptr;
    QActionGroup* speeds_ = nullptr;
    QAction* theory_ = nullptr;
    QAction* projector_ = nullptr;
    QAction* fullScreen_ = nullptr;
};
