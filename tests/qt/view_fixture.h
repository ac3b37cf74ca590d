#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include "app/form1.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"

// A loaded window on the offscreen platform. Program errors fail the test instead of ending it.
class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() : view(form) {
        view.setErrorReporter(
            [](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        view.load();
        view.show();
    }

    template <class W = QWidget>
    W* widget(const char* name) {
        auto* found = view.findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Runs an event on the model the way a handler does, with the screen updated after it.
    template <class F>
    void act(F&& event) {
        view.deliver(std::forward<F>(event));
    }
    QImage grab(qreal ratio = 1.0) {
        QImage image(view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        view.render(&image);
        return image;
    }
    // The pixel at a point given in twips.
    static QColor at(const QImage& image, double x, double y) {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(x / 15 * ratio), static_cast<int>(y / 15 * ratio));
    }

    // The button-face colour of the window's background and its labels.
    QColor face() const { return view.palette().color(QPalette::Button); }

    Form1 form;
    FormView view;
};

// Where the style puts a part of a scroll bar (an arrow, the trough on either side of the thumb,
// the thumb), in the bar's own pixels.
inline QRect scrollBarPart(const QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}
