#include "ui/qt/artwork.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/drawing/artwork.h"
#include "ui/qt/primitive_painter.h"

namespace artwork {

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(10, 40, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The zero line and a damped wave travelling along it.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 2));
    painter.drawLine(QPointF(9, 32), QPointF(55, 32));
    QPen wave(QColor(120, 255, 140), 5);
    wave.setCapStyle(Qt::RoundCap);
    wave.setJoinStyle(Qt::RoundJoin);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(toQPainterPath(drawing::artwork::dampedWave({9, 12, 46, 40}, 2)));
    return image;
}

// The sizes a window manager shows a window icon at; the larger ones of the menu and the software
// centre are installed as files. Painting them is a noticeable part of start-up, so no more.
QIcon icon() {
    QIcon result;
    for (int size : {16, 32, 48}) result.addPixmap(QPixmap::fromImage(iconImage(size)));
    return result;
}

}  // namespace artwork
