#include <QApplication>

#include "app/form1.h"
#include "ui/qt/form_view.h"

// bench/ builds this same file as its start-up probe, which ends after the first painted frame,
// so that what it times is exactly the program's own start-up.
#ifdef PROPAGATION_QUIT_AFTER_FIRST_PAINT
#include "bench/first_paint.h"
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo's Propagation Demos");
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.orvo.PropagationDemos");

    Form1 form;
    FormView window(form);
#ifdef PROPAGATION_QUIT_AFTER_FIRST_PAINT
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
#endif
    window.load();
    window.show();
    return QApplication::exec();
}
