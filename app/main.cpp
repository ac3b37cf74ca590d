#include <QApplication>

#include "app/form1.h"
#include "ui/qt/form_view.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo's Propagation Demos");
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.orvo.PropagationDemos");

    Form1 form;
    FormView window(form);
    window.load();
    window.show();
    return QApplication::exec();
}
