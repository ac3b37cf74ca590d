#include "demos/polarisation/polarisation.h"

#include <cmath>

#include "app/form1.h"
#include "ui/number_rules.h"

namespace polarisation {

using number_rules::kPi;

namespace {

constexpr double kTwipsPerUnit = 1800;
const char* const kPolarisations[] = {"Off", "Vertical", "Horizontal", "Right-Hand Circular",
                                      "Left-Hand Circular"};

void fillList(ComboBox& combo) {
    combo.clear();
    for (const char* entry : kPolarisations) combo.addItem(entry);
}

// Centres a circle on the tip (cx + 1800 x, cy + 1800 y), from the circle's own size.
void placeCircle(Shape& circle, double cx, double cy, FieldVector e) {
    circle.setLeft(cx - double{circle.width()} / 2 + kTwipsPerUnit * e.x);
    circle.setTop(cy - double{circle.height()} / 2 + kTwipsPerUnit * e.y);
}

// From the tip across to the vertical axis.
void placeHorizontalProjection(Line& line, double cx, double cy, FieldVector e) {
    line.setX1(cx + kTwipsPerUnit * e.x);
    line.setX2(cx);
    line.setY1(cy + kTwipsPerUnit * e.y);
    line.setY2(cy + kTwipsPerUnit * e.y);
}

// From the tip down or up to the horizontal axis.
void placeVerticalProjection(Line& line, double cx, double cy, FieldVector e) {
    line.setX1(cx + kTwipsPerUnit * e.x);
    line.setX2(cx + kTwipsPerUnit * e.x);
    line.setY1(cy + kTwipsPerUnit * e.y);
    line.setY2(cy);
}

// The amplitude scroll bars read 50 for amplitude 1: the product first, then the division.
FieldVector scaled(FieldVector e, int amplitude) {
    return {e.x * amplitude / 50, e.y * amplitude / 50};
}

}  // namespace

FieldVector fieldVector(const std::string& text, double phase) {
    FieldVector e;
    if (text == "Off") e = {0, 0};
    if (text == "Horizontal") e = {std::cos(phase), 0};
    if (text == "Vertical") e = {0, std::cos(phase)};
    if (text == "Right-Hand Circular") e = {std::cos(phase), std::sin(phase)};
    if (text == "Left-Hand Circular") e = {std::cos(phase), -std::sin(phase)};
    return e;
}

// Keeps FrameCount, the timer and the relative phase: the figure goes on from where it was.
void setUp(Form1& form) {
    for (int i = 0; i <= 5; ++i) form.lnePol[i].setVisible(true);

    form.lblOne.setCaption("Component 1");
    form.cmbOne.setTextColour(colours::kDarkGreen);
    fillList(form.cmbOne);
    form.cmbOne.setText("Horizontal");

    form.lblTwo.setCaption("Component 2");
    fillList(form.cmbTwo);
    form.cmbTwo.setText("Off");

    for (Control* control : std::initializer_list<Control*>{
             &form.lblOne, &form.cmbOne, &form.lblTwo, &form.cmbTwo, &form.lblThree,
             &form.lblFour, &form.hscPhase, &form.hscAmp1, &form.hscAmp2, &form.Line1,
             &form.Line2, &form.Shape1[0], &form.Shape1[1], &form.Shape1[2]}) {
        control->setVisible(true);
    }
    form.DrawFrame();
}

void drawFrame(Form1& form) {
    const double t = form.FrameCount;
    const double phase1 = t * kPi / 12;
    const double phase2 = (form.hscPhase.value() / 180.0) * kPi + t * kPi / 12;
    const FieldVector e1 = scaled(fieldVector(form.cmbOne.text(), phase1), form.hscAmp1.value());
    const FieldVector e2 = scaled(fieldVector(form.cmbTwo.text(), phase2), form.hscAmp2.value());
    const FieldVector sum{e2.x + e1.x, e2.y + e1.y};

    const double cx = number_rules::roundToInt16(form.Line2.x1());
    const double cy = number_rules::roundToInt16(form.Line1.y1());

    placeCircle(form.Shape1[0], cx, cy, e1);
    placeCircle(form.Shape1[1], cx, cy, e2);
    placeCircle(form.Shape1[2], cx, cy, sum);
    placeHorizontalProjection(form.lnePol[0], cx, cy, e1);
    placeHorizontalProjection(form.lnePol[2], cx, cy, e2);
    placeHorizontalProjection(form.lnePol[4], cx, cy, sum);
    placeVerticalProjection(form.lnePol[1], cx, cy, e1);
    placeVerticalProjection(form.lnePol[3], cx, cy, e2);
    placeVerticalProjection(form.lnePol[5], cx, cy, sum);
}

}  // namespace polarisation
