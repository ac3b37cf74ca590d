// Renders the window for a chosen demonstration after a chosen number of timer ticks into a PNG
// (or, for an output name ending in .svg, an SVG of the painted picture), without a display. The
// settings are the prepared set-ups of the program (app/setup_settings.h), made as a user makes
// them: options picked or typed, the scroll bars moved, the histogram button pressed, the phasor
// tips dropped at points in twips; then the ticks pass (and with --paused, the animation is paused
// after them).
//   snapshot [SETTINGS] [--ticks N] [--ratio R] [--size WxH] [--menu TITLE] OUTPUT.png|OUTPUT.svg
//   snapshot [SETTINGS] [--ticks N] [--size WxH] --record-animation OUTPUT.gif [--frames N]
// With --menu, the PNG is the program's whole window, its menu bar above the form, with that menu
// of the menu bar open over it. With --record-animation, the animation from the picture the ticks
// leave is written as a looping GIF: one period of a repeating picture, else --frames. A bad
// setting is reported on stderr with exit status 2.
#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/animation.h"
#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "desktop/animation_recorder.h"
#include "desktop/desktop_window.h"
#include "i18n/translate.h"
#include "ui/qt/form_view.h"
#include "ui/qt/picture_files.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    std::vector<std::string> arguments;
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());
    ParsedSetup setup = SetupSettings::fromArguments(arguments, SetupSettings::Unknown::PassOn);
    if (!setup.ok()) {
        std::fprintf(stderr, "snapshot: %s\n", setup.error.c_str());
        return 2;
    }
    // The window in the language given (--language), English else.
    if (setup.settings.language && !i18n::setLanguage(*setup.settings.language)) {
        std::fprintf(stderr, "snapshot: no language \"%s\"\n", setup.settings.language->c_str());
        return 2;
    }
    // The demonstration is always picked, "Plane Wave" unless another is given.
    if (!setup.settings.demo)
        setup.settings.demo = "Plane Wave";

    QCommandLineParser parser;
    parser.setApplicationDescription(QString("Renders a demonstration of the window into a PNG, or "
                                             "an SVG (OUTPUT.svg).\n\nSettings:\n") +
                                     SetupSettings::usage());
    parser.addHelpOption();
    parser.addOption({"ticks", "Timer ticks to let pass after the settings.", "count", "0"});
    parser.addOption({"ratio", "Device pixel ratio of the picture.", "ratio", "1"});
    parser.addOption({"size", "Window size in pixels, WIDTHxHEIGHT; the picture scales to fit.",
                      "size", "789x605"});
    parser.addOption({"menu",
                      "The whole window with this menu of its menu bar open (Picture, Animation, "
                      "Lessons, View, Help).",
                      "title"});
    parser.addOption({"record-animation",
                      "Records the animation from the picture as a looping GIF, for slides.",
                      "file.gif"});
    parser.addOption({"frames",
                      "Frames to record; one period of a repeating picture, or 100, by default.",
                      "count"});
    parser.addPositionalArgument("output", "The PNG or SVG file to write.");
    QStringList rest{given.value(0)};
    for (const std::string& argument : setup.unclaimed) rest << QString::fromStdString(argument);
    parser.process(rest);
    const bool recording = parser.isSet("record-animation");
    if (parser.positionalArguments().size() != (recording ? 0 : 1))
        parser.showHelp(2);

    const QStringList size = parser.value("size").split('x');
    if (size.size() != 2 || size[0].toInt() <= 0 || size[1].toInt() <= 0)
        parser.showHelp(2);

    Form1 form;
    DesktopWindow desktop(form);
    FormView& window = desktop.view();
    window.setLessonLayer([&form] { return lessonLayer(form); });
    window.resize(size[0].toInt(), size[1].toInt());
    window.load();
    const auto deliver = [&](const std::function<void()>& action) { window.deliver(action); };
    // --paused pauses the picture that the ticks leave, rather than the ticks themselves.
    SetupSettings pause;
    pause.paused = std::exchange(setup.settings.paused, false);
    const std::string error = setup.settings.apply(form, deliver);
    if (!error.empty()) {
        std::fprintf(stderr, "snapshot: %s\n", error.c_str());
        return 2;
    }

    const int ticks = parser.value("ticks").toInt();
    for (int i = 0; i < ticks; ++i) window.deliver([&] { form.tmrOne.tick(); });
    pause.apply(form, deliver);

    if (recording) {
        const std::optional<int> frames =
            parser.isSet("frames") ? animation::framesFrom(parser.value("frames").toStdString())
                                   : animation::lengthOf(form).frames;
        if (!frames)
            parser.showHelp(2);
        const std::string failed = animation_recorder::recordGif(form, window.size(), *frames,
                                                                 parser.value("record-animation"));
        if (!failed.empty()) {
            std::fprintf(stderr, "snapshot: %s\n", failed.c_str());
            return 1;
        }
        return 0;
    }
    const QString output = parser.positionalArguments().first();
    if (parser.isSet("menu")) {
        auto* menu = desktop.menuBar()->findChild<QMenu*>("mnu" + parser.value("menu"));
        if (menu == nullptr)
            parser.showHelp(2);
        desktop.show();
        desktop.menuBar()->setActiveAction(menu->menuAction());
        QCoreApplication::processEvents();
        // The open menu is a window of its own: it is drawn over the main window where it stands.
        QImage picture = desktop.grab().toImage();
        QPainter painter(&picture);
        painter.drawPixmap(desktop.mapFromGlobal(menu->pos()), menu->grab());
        painter.end();
        if (!picture.save(output)) {
            std::fprintf(stderr, "snapshot: cannot write %s\n", qPrintable(output));
            return 1;
        }
        return 0;
    }
    const bool written =
        output.endsWith(".svg", Qt::CaseInsensitive)
            ? picture_files::save(window, output, picture_files::Format::Svg)
            : picture_files::render(window, parser.value("ratio").toDouble()).save(output);
    if (!written) {
        std::fprintf(stderr, "snapshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
