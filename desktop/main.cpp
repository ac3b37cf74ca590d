#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/setup_settings.h"
#include "desktop/desktop_services.h"
#include "ui/qt/form_view.h"

// bench/ builds this same file as its start-up probe, which ends after the first painted frame,
// so that what it times is exactly the program's own start-up.
#ifdef PROPAGATION_QUIT_AFTER_FIRST_PAINT
#include "bench/first_paint.h"
#endif

// The window opens with the set-up given on the command line, for example
//   propagation-demos --demo Ricean --one Ten --histogram --theory Ricean --speed half --paused
// A bad setting ends the program with a message on stderr and status 2, before any window shows.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo's Propagation Demos");
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.orvo.PropagationDemos");

    std::vector<std::string> arguments;
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::printf("Usage: propagation-demos [SETTINGS]\n\nSettings:\n%s", SetupSettings::usage());
        return 0;
    }
    const ParsedSetup setup = SetupSettings::fromArguments(arguments);
    if (!setup.ok()) {
        std::fprintf(stderr, "propagation-demos: %s\n", setup.error.c_str());
        return 2;
    }

    Form1 form;
    FormView window(form);
    DesktopServices tools(window, form);
#ifdef PROPAGATION_QUIT_AFTER_FIRST_PAINT
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
#endif
    window.load();
    // Checked as a whole before anything is applied: on an error the window is left unshown.
    const std::string error = setup.settings.apply(
        form, [&](const std::function<void()>& action) { window.deliver(action); });
    if (!error.empty()) {
        std::fprintf(stderr, "propagation-demos: %s\n", error.c_str());
        return 2;
    }
    window.show();
    return QApplication::exec();
}
