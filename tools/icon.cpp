// Writes the program icon at one size into a PNG, without a display. The build runs it to make
// the raster icons that are installed next to the hand-written scalable one:
//   icon SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/qt/artwork.h"

namespace {

// Larger than any icon size a desktop asks for; it keeps a mistyped size from allocating gigabytes.
constexpr int kLargestSize = 1024;

int usage() {
    std::fprintf(stderr, "usage: icon SIZE OUTPUT.png   (SIZE in pixels, 1 to %d)\n", kLargestSize);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The icon is painted into an image, so no screen is needed; the offscreen platform lets the
    // build run this on a machine without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        return usage();
    }

    const std::string sizeText = argv[1];
    char* end = nullptr;
    const long size = std::strtol(sizeText.c_str(), &end, 10);
    if (sizeText.empty() || *end != '\0' || size < 1 || size > kLargestSize) {
        return usage();
    }

    const QImage image = artwork::iconImage(static_cast<int>(size));
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
