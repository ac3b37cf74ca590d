#include "ui/qt/dialog_font.h"

#include <QStringList>

QFont dialogFont(int pixelSize) {
    QFont font;
    // A narrow face first: the boxes were laid out for a narrow dialog font.
    font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                      "DejaVu Sans", "Sans Serif"});
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}
