#pragma once

#include <QMainWindow>
#include <memory>

#include "desktop/desktop_services.h"

class Form1;
class FormView;

// The desktop program's window: the menu bar of the tools' catalogue above the form's view, which
// keeps the form's design size below it, and the desktop's services for the tools.
class DesktopWindow : public QMainWindow {
public:
    explicit DesktopWindow(Form1& form);

    FormView& view() { return *view_; }
    DesktopServices& services() { return *services_; }

private:
    FormView* view_;
    std::unique_ptr<DesktopServices> services_;
};
