// The program's own start-up, exactly as app/main.cpp does it, ending after the first painted
// frame: what bench/compare_floor times against the floor window.
#include <QApplication>

#include "app/form1.h"
#include "first_paint.h"
#include "ui/qt/form_view.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo's Propagation Demos");
    QGuiApplication::setDesktopFileName("org.orvo.PropagationDemos");

    Form1 form;
    FormView window(form);
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.load();
    window.show();
    return QApplication::exec();
}
