#pragma once

#include <QObject>

#include "app/tool_catalogue.h"
#include "ui/qt/tool_menu.h"

class Form1;
class FormView;

// The teaching tools on the desktop: the catalogue's menu on the window, and what only the desktop
// does for it: the system clipboard, a file dialog for the pictures, the window's full screen and
// the set-up as a command line.
class DesktopTools : public ToolServices {
public:
    DesktopTools(FormView& view, Form1& form);

    ToolMenu& menu() { return menu_; }

    void copyPicture() override;
    void savePicture(int factor) override;
    bool fullScreen() const override;
    void toggleFullScreen() override;
    void copySetUp() override;

private:
    FormView& view_;
    Form1& form_;
    ToolMenu menu_;
};
