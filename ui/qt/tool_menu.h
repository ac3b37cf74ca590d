#pragma once

#include <QObject>
#include <QPoint>
#include <string>
#include <vector>

#include "ui/menu_entry.h"

class QAction;
class QMenu;
class QMenuBar;
class FormView;

// A menu of tools on the desktop window: a context menu (right click on the picture, Shift+F10 or
// the Menu key) and a menu bar of the entries it is given, each with a keyboard shortcut that works
// wherever the focus is, except that a list being typed into keeps its own keys (its line edit
// claims them first). A run of Choice entries is one exclusive group.
class ToolMenu : public QObject {
    Q_OBJECT
public:
    ToolMenu(FormView& view, std::vector<MenuEntry> entries);

    QMenu& menu() { return *menu_; }
    // A menu bar of the same entries, each in the menu its entry names, the menus in the order of
    // `titles`; the window that shows it takes it.
    QMenuBar* makeMenuBar(const std::vector<std::string>& titles);
    // Shows the menu at a point of the view (its pixels).
    void popup(QPoint position);
    // The checks and the enabled states as the window now stands.
    void refresh();

private:
    FormView& view_;
    std::vector<MenuEntry> entries_;
    std::vector<QAction*> actions_;
    QMenu* menu_ = nullptr;
};
