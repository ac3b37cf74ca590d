#include "desktop/desktop_main.h"

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/setup_settings.h"
#include "desktop/desktop_services.h"
#include "ui/qt/form_view.h"

// QApplication keeps a reference to the count of arguments: `argc` lives as long as it does.
int runDesktop(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow) {
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
    if (beforeShow)
        beforeShow(window);
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
