#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "app/narration.h"
#include "app/tool_catalogue.h"
#include "ui/qt/tool_menu.h"

class Form1;
class FormView;

// The teaching tools on the desktop: the catalogue's menu on the window, and what only the desktop
// does for it: the system clipboard, a file dialog for the pictures, the window's full screen, the
// set-up as a command line, and the picture told to a screen reader (the narration's words handed
// to the view).
class DesktopServices : public EditionServices {
public:
    DesktopServices(FormView& view, Form1& form);

    ToolMenu& menu() { return menu_; }

    void copyPicture() override;
    void savePicture(int factor) override;
    bool fullScreen() const override;
    void toggleFullScreen() override;
    void copySetUp() override;
    void copyData() override;
    void saveData() override;
    void recordAnimation() override;
    void describePicture() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void chooseLanguage() override;
    tool_catalogue::Edition edition() const override { return tool_catalogue::Edition::Desktop; }

    const Narration& narration() const { return narration_; }

private:
    FormView& view_;
    Form1& form_;
    Narration narration_;
    QElapsedTimer clock_;
    ToolMenu menu_;
    bool recording_ = false;
};
