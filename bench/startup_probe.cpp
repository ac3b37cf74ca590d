// The program's own start-up, ending once its window has painted the first frame: what
// compare_floor times against the floor window. Everything up to that frame is the program's
// (runDesktop), so that the probe measures exactly what a user waits for.
#include <QWidget>

#include "bench/first_paint.h"
#include "desktop/desktop_main.h"

int main(int argc, char* argv[]) {
    return runDesktop(argc, argv, [](QWidget& window) {
        auto* quit = new QuitAfterFirstPaint;
        quit->setParent(&window);
        window.installEventFilter(quit);
    });
}
