// The floor that the toolkit itself sets: a bare window of the program's size with the same
// native child widgets at the same places (those visible at start-up shown, the rest hidden), a
// 100 ms timer that does nothing, and nothing painted of its own.
//   floor-window                        runs until closed
//   floor-window --exit-after-first-paint
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "first_paint.h"

namespace {

QRect pixels(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Floor window");
    window.resize(789, 605);

    const struct {
        QRect box;
        const char* text;
        bool shown;
    } combos[] = {{pixels(1380, 7260, 2295, 480), "Plane Wave", true},
                  {pixels(7440, 7200, 3015, 480), "1.0", true},
                  {pixels(7440, 7800, 3015, 480), "1.0", true}};
    for (const auto& c : combos) {
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItems({"0.5", "1.0", "2.0", "5.0", "10.0"});
        combo->setEditText(c.text);
        combo->setGeometry(c.box);
        combo->setVisible(c.shown);
    }
    const struct {
        QRect box;
        const char* caption;
        bool shown;
    } buttons[] = {{pixels(2340, 7740, 1335, 495), "Pause", true},
                   {pixels(9480, 3600, 2055, 495), "Histogram", false},
                   {pixels(4080, 2280, 255, 255), "", false},
                   {pixels(4080, 2760, 255, 255), "", false},
                   {pixels(4080, 3240, 255, 255), "", false}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, &window);
        button->setGeometry(b.box);
        button->setVisible(b.shown);
    }
    const QRect bars[] = {pixels(7380, 8460, 2535, 375), pixels(10560, 7200, 1095, 495),
                          pixels(10560, 7800, 1095, 495), pixels(9480, 4320, 2055, 375),
                          pixels(9480, 4920, 2055, 375)};
    for (const QRect& box : bars) {
        auto* bar = new QScrollBar(Qt::Horizontal, &window);
        bar->setGeometry(box);
        bar->setVisible(false);
    }

    QTimer idle;
    idle.start(100);

    QuitAfterFirstPaint quit;
    if (argc > 1 && std::strcmp(argv[1], "--exit-after-first-paint") == 0) {
        window.installEventFilter(&quit);
    }
    window.show();
    return QApplication::exec();
}
