#pragma once

#include <QProxyStyle>

// The style of the windowed controls at any size of the picture. A control is laid out and drawn
// as it is at the design size, and the result is scaled up with the picture: the lists' drop-down
// buttons and arrows, the scroll bars' arrow buttons, arrows and thumbs, the buttons' bevels and
// the focus frames keep their proportions on a projector, instead of keeping their small pixel
// sizes beside a grown box. Drawing happens on an image whose device pixel ratio is the zoom, so
// the style renders at full resolution rather than being blown up from a small picture.
// At the design size (zoom 1) it is the platform's style, unchanged.
class ScaledStyle : public QProxyStyle {
public:
    // Window pixels per design pixel.
    void setZoom(double zoom) { zoom_ = zoom; }

    // A box of the window at `zoom`: its size at the design size (whole pixels, at least one) and
    // the window pixels per design pixel across and down that map the one onto the other.
    struct Scale {
        QSize design;
        double x = 1;
        double y = 1;
    };
    static Scale scaleOf(const QSize& box, double zoom);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

private:
    bool scaling() const { return zoom_ != 1.0 && depth_ == 0; }
    template <class Option, class Draw>
    void drawAtDesignSize(const Option& option, QPainter* painter, Draw draw) const;
    template <class Option>
    QRect scaledSubControlRect(ComplexControl control, const Option& option, SubControl part,
                               const QWidget* widget) const;

    double zoom_ = 1.0;
    // Calls the style makes to itself while it draws at the design size are not scaled again.
    mutable int depth_ = 0;
};
