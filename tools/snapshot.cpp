// Renders the window for a chosen demonstration after a chosen number of timer ticks into a PNG,
// without a display. The settings are made as a user makes them: options picked or typed, the
// scroll bars moved, the histogram button pressed, the phasor tips dropped at points in twips.
//   snapshot [--demo NAME] [--one TEXT] [--two TEXT] [--phase DEGREES] [--rate N] [--fixed N]
//            [--histogram] [--tip1 X,Y] [--tip2 X,Y] [--ticks N] [--ratio R] [--size WxH]
//            OUTPUT.png
#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "app/form1.h"
#include "ui/qt/form_view.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Renders a demonstration of the window into a PNG.");
    parser.addHelpOption();
    parser.addOption({"demo", "The demonstration to choose from the list.", "name", "Plane Wave"});
    parser.addOption({"one", "Text of the first option list.", "text"});
    parser.addOption({"two", "Text of the second option list.", "text"});
    parser.addOption({"phase", "Relative phase, degrees.", "degrees"});
    parser.addOption({"rate", "Value of the Speed scroll bar.", "value"});
    parser.addOption({"fixed", "Value of the Fixed scroll bar.", "value"});
    parser.addOption({"histogram", "Press the Histogram button."});
    parser.addOption({"tip1", "Drop the tip of phasor 1 at X,Y (twips).", "x,y"});
    parser.addOption({"tip2", "Drop the tip of phasor 2 at X,Y (twips).", "x,y"});
    parser.addOption({"ticks", "Timer ticks to let pass after the settings.", "count", "0"});
    parser.addOption({"ratio", "Device pixel ratio of the picture.", "ratio", "1"});
    parser.addOption({"size", "Window size in pixels, WIDTHxHEIGHT; the picture scales to fit.",
                      "size", "789x605"});
    parser.addPositionalArgument("output", "The PNG file to write.");
    parser.process(application);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    const QStringList size = parser.value("size").split('x');
    if (size.size() != 2 || size[0].toInt() <= 0 || size[1].toInt() <= 0) parser.showHelp(2);

    Form1 form;
    FormView window(form);
    window.resize(size[0].toInt(), size[1].toInt());
    window.load();

    const std::string demo = parser.value("demo").toStdString();
    const auto& names = form.cmbDemo.items();
    const auto found = std::find(names.begin(), names.end(), demo);
    if (found != names.end()) {
        window.deliver([&] { form.cmbDemo.pick(static_cast<int>(found - names.begin())); });
    } else {
        window.deliver([&] { form.cmbDemo.setText(demo); });
    }
    // A text equal to a list entry is picked from the list; any other is typed.
    const auto choose = [&](ComboBox& combo, const QString& text) {
        const auto& entries = combo.items();
        const auto entry = std::find(entries.begin(), entries.end(), text.toStdString());
        window.deliver([&] {
            if (entry != entries.end()) {
                combo.pick(static_cast<int>(entry - entries.begin()));
            } else {
                combo.setText(text.toStdString());
            }
        });
    };
    if (parser.isSet("one")) choose(form.cmbOne, parser.value("one"));
    if (parser.isSet("two")) choose(form.cmbTwo, parser.value("two"));
    const std::pair<const char*, ScrollBar*> bars[] = {
        {"phase", &form.hscPhase}, {"rate", &form.hscRate}, {"fixed", &form.hscFixed}};
    for (const auto& [option, bar] : bars) {
        if (parser.isSet(option)) window.deliver([&] { bar->setValue(parser.value(option).toInt()); });
    }
    if (parser.isSet("histogram")) window.deliver([&] { form.cmdHist.click(); });
    const std::pair<const char*, int> tips[] = {{"tip1", 0}, {"tip2", 1}};
    for (const auto& [option, handle] : tips) {
        if (!parser.isSet(option)) continue;
        const QStringList point = parser.value(option).split(',');
        if (point.size() != 2) parser.showHelp(2);
        window.deliver([&] {
            form.cmdPhasor[handle].mouseDown(Button::kLeftButton, 0, 0, 0);
            form.drop(point[0].toDouble(), point[1].toDouble());
        });
    }

    const int ticks = parser.value("ticks").toInt();
    for (int i = 0; i < ticks; ++i) window.deliver([&] { form.tmrOne.tick(); });

    const qreal ratio = parser.value("ratio").toDouble();
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    window.render(&image);
    const QString output = parser.positionalArguments().first();
    if (!image.save(output)) {
        std::fprintf(stderr, "snapshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
