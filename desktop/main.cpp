#include "desktop/desktop_main.h"

int main(int argc, char* argv[]) {
    return runDesktop(argc, argv);
}
