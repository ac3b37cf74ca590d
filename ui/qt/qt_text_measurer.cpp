#include "ui/qt/qt_text_measurer.h"

#include <QFontMetricsF>
#include <QString>

#include "ui/qt/dialog_font.h"

double QtTextMeasurer::textWidth(std::string_view text, int pixelSize) const {
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return QFontMetricsF(dialogFont(pixelSize)).horizontalAdvance(string);
}
