#include "ui/qt/artwork.h"

#include "ui/qt/control_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace artwork {
namespace {

// A wave that starts strong at the left and fades to the right, through the box `area`.
QPainterPath dampedWave(const QRectF& area, int crests) {
    QPainterPath path;
    const int steps = 12 * crests;  // smooth at these sizes, and cheap to stroke
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double amplitude = std::exp(-1.6 * t);
        const double y = area.center().y() -
                         area.height() / 2 * amplitude * std::cos(t * crests * 2 * 3.1415926);
        const QPointF point(area.left() + t * area.width(), y);
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

}  // namespace

QImage logo(qreal devicePixelRatio) {
    const QSize logical(300, 48);
    QImage image(logical * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Wavefronts spreading from a source.
    const QPointF source(22, 24);
    painter.setBrush(QColor(0, 128, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(source, 4, 4);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const double radius = 4 + ring * 6.5;
        QPen pen(QColor(0, 128, 0, 255 - ring * 55), 2.2);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawArc(QRectF(source.x() - radius, source.y() - radius, 2 * radius, 2 * radius),
                        -50 * 16, 100 * 16);
    }

    // The labels' own face and size: the first frame needs no other font loaded.
    painter.setFont(dialogFont(24));
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(QRectF(52, 0, 70, 48), Qt::AlignLeft | Qt::AlignVCenter, "Orvo");

    QPen wave(QColor(192, 0, 192), 2.0);
    wave.setCapStyle(Qt::RoundCap);
    painter.setPen(wave);
    painter.drawPath(dampedWave(QRectF(112, 10, 182, 28), 4));
    return image;
}

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
    painter.drawPath(dampedWave(QRectF(9, 12, 46, 40), 2));
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
