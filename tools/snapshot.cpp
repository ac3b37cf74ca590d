// Renders the window for a chosen demonstration after a chosen number of timer ticks into a PNG,
// without a display:
//   snapshot [--demo NAME] [--ticks N] [--ratio R] [--size WxH] OUTPUT.png
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
    parser.addOption({"ticks", "Timer ticks to let pass after choosing it.", "count", "0"});
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
