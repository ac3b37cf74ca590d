#include "ui/qt/scaled_style.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

ScaledStyle::Scale ScaledStyle::scaleOf(const QSize& box, double zoom) {
    Scale scale;
    scale.design = QSize(std::max(1, static_cast<int>(std::lround(box.width() / zoom))),
                         std::max(1, static_cast<int>(std::lround(box.height() / zoom))));
    scale.x = static_cast<double>(box.width()) / scale.design.width();
    scale.y = static_cast<double>(box.height()) / scale.design.height();
    return scale;
}

// The option is laid out in a box of the design size, drawn on an image of the real size whose
// device pixel ratio makes it that design size, and the image is put in the real box.
template <class Option, class Draw>
void ScaledStyle::drawAtDesignSize(const Option& option, QPainter* painter, Draw draw) const {
    const QRect box = option.rect;
    if (box.isEmpty())
        return;
    const Scale scale = scaleOf(box.size(), zoom_);
    const qreal deviceRatio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image(box.size() * deviceRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale.x * deviceRatio);
    image.fill(Qt::transparent);
    Option design = option;
    design.rect = QRect(QPoint(0, 0), scale.design);
    {
        QPainter onImage(&image);
        onImage.setFont(painter->font());
        ++depth_;
        draw(&design, &onImage);
        --depth_;
    }
    painter->drawImage(QRectF(box), image);
}

template <class Option>
QRect ScaledStyle::scaledSubControlRect(ComplexControl control, const Option& option,
                                        SubControl part, const QWidget* widget) const {
    const Scale scale = scaleOf(option.rect.size(), zoom_);
    Option design = option;
    design.rect = QRect(QPoint(0, 0), scale.design);
    const QRect r = QProxyStyle::subControlRect(control, &design, part, widget);
    if (!r.isValid())
        return r;
    // Both edges are rounded, so that neighbouring parts stay neighbours.
    const int left = static_cast<int>(std::lround(r.left() * scale.x));
    const int top = static_cast<int>(std::lround(r.top() * scale.y));
    const int right = static_cast<int>(std::lround((r.right() + 1) * scale.x));
    const int bottom = static_cast<int>(std::lround((r.bottom() + 1) * scale.y));
    return QRect(left, top, right - left, bottom - top).translated(option.rect.topLeft());
}

void ScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto drawBase = [&](const QStyleOptionComplex* design, QPainter* onImage) {
        QProxyStyle::drawComplexControl(control, design, onImage, widget);
    };
    if (scaling()) {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            drawAtDesignSize(*slider, painter, drawBase);
            return;
        }
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            drawAtDesignSize(*combo, painter, drawBase);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void ScaledStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (scaling() && element == CE_PushButtonBevel) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            drawAtDesignSize(*button, painter, [&](const QStyleOption* design, QPainter* onImage) {
                QProxyStyle::drawControl(element, design, onImage, widget);
            });
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (scaling() && element == PE_FrameFocusRect) {
        if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option)) {
            drawAtDesignSize(*focus, painter, [&](const QStyleOption* design, QPainter* onImage) {
                QProxyStyle::drawPrimitive(element, design, onImage, widget);
            });
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QRect ScaledStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl part, const QWidget* widget) const {
    if (scaling()) {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            return scaledSubControlRect(control, *slider, part, widget);
        }
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            return scaledSubControlRect(control, *combo, part, widget);
        }
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}
