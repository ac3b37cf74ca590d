#include "demos/polarisation/polarisation.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "app/form1.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace polarisation {

using number_rules::kPi;

namespace {

constexpr double kTwipsPerUnit = 1800;
const char* const kPolarisations[] = {N_("Off"), N_("Vertical"), N_("Horizontal"),
                                      N_("Right-Hand Circular"), N_("Left-Hand Circular")};

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
    if (text == "Off")
        e = {0, 0};
    if (text == "Horizontal")
        e = {std::cos(phase), 0};
    if (text == "Vertical")
        e = {0, std::cos(phase)};
    if (text == "Right-Hand Circular")
        e = {std::cos(phase), std::sin(phase)};
    if (text == "Left-Hand Circular")
        e = {std::cos(phase), -std::sin(phase)};
    return e;
}

bool namesComponent(const std::string& text) {
    return text != "Off" && std::find(std::begin(kPolarisations), std::end(kPolarisations), text) !=
                                std::end(kPolarisations);
}

// Keeps FrameCount, the timer and the relative phase: the figure goes on from where it was.
void setUp(Form1& form) {
    for (int i = 0; i <= 5; ++i) form.lnePol[i].setVisible(true);

    form.lblOne.setCaption(N_("Component 1"));
    form.cmbOne.setTextColour(colours::kDarkGreen);
    fillList(form.cmbOne);
    form.cmbOne.setText("Horizontal");

    form.lblTwo.setCaption(N_("Component 2"));
    fillList(form.cmbTwo);
    form.cmbTwo.setText("Off");

    for (Control* control : std::initializer_list<Control*>{
             &form.lblOne, &form.cmbOne, &form.lblTwo, &form.cmbTwo, &form.lblThree, &form.lblFour,
             &form.hscPhase, &form.hscAmp1, &form.hscAmp2, &form.Line1, &form.Line2,
             &form.Shape1[0], &form.Shape1[1], &form.Shape1[2]}) {
        control->setVisible(true);
    }
    form.DrawFrame();
}

void drawFrame(Form1& form) {
    const double phase1 = phaseAtFrame(form.FrameCount);
    const FieldVector e1 = componentAt(form, 1, phase1);
    const FieldVector e2 = componentAt(form, 2, phase1);
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

double Ellipse::axialRatio() const {
    return minor > 0 ? major / minor : std::numeric_limits<double>::infinity();
}

std::vector<double> periods(const Form1&) {
    return {24};
}

double phaseAtFrame(double frame) {
    return frame * kPi / 12;
}

FieldVector componentAt(const Form1& form, int component, double phase1) {
    if (component == 1)
        return scaled(fieldVector(form.cmbOne.text(), phase1), form.hscAmp1.value());
    const double phase2 = (form.hscPhase.value() / 180.0) * kPi + phase1;
    return scaled(fieldVector(form.cmbTwo.text(), phase2), form.hscAmp2.value());
}

FieldVector sumAt(const Form1& form, double phase1) {
    const FieldVector e1 = componentAt(form, 1, phase1);
    const FieldVector e2 = componentAt(form, 2, phase1);
    return FieldVector{e2.x + e1.x, e2.y + e1.y};
}

std::vector<PointF> trail(const Form1& form) {
    const double cx = number_rules::roundToInt16(form.Line2.x1());
    const double cy = number_rules::roundToInt16(form.Line1.y1());
    std::vector<PointF> points;
    for (int back = 23; back >= 0; --back) {
        const FieldVector e = sumAt(form, phaseAtFrame(form.FrameCount - back));
        points.push_back({cx + kTwipsPerUnit * e.x, cy + kTwipsPerUnit * e.y});
    }
    return points;
}

std::vector<PointF> curve(const Form1& form, int samples) {
    const double cx = number_rules::roundToInt16(form.Line2.x1());
    const double cy = number_rules::roundToInt16(form.Line1.y1());
    std::vector<PointF> points;
    for (int i = 0; i < samples; ++i) {
        const FieldVector e = sumAt(form, 2 * kPi * i / samples);
        points.push_back({cx + kTwipsPerUnit * e.x, cy + kTwipsPerUnit * e.y});
    }
    return points;
}

CaptionLines captionLines(const Ellipse& ellipse) {
    const std::string tilt = number_rules::wholeText(ellipse.tiltDegrees);
    switch (ellipse.kind) {
        case Ellipse::Kind::None:
            return {i18n::tr("No field: the sum stays on the centre"), ""};
        case Ellipse::Kind::Linear:
            // TRANSLATORS: %1$s is the tilt of the line in degrees, such as -45.
            return {i18n::format(i18n::tr("Linear, tilt %1$s\u00b0"), {tilt}), ""};
        case Ellipse::Kind::Circular:
            return {ellipse.clockwise ? i18n::tr("Circular, right-handed (clockwise)")
                                      : i18n::tr("Circular, left-handed (counter-clockwise)"),
                    i18n::tr("axial ratio 1")};
        case Ellipse::Kind::Elliptical:
            break;
    }
    const std::string ratio = i18n::localNumber(number_rules::fixedText(ellipse.axialRatio(), 2));
    return {ellipse.clockwise ? i18n::tr("Elliptical, right-handed (clockwise)")
                              : i18n::tr("Elliptical, left-handed (counter-clockwise)"),
            // TRANSLATORS: %1$s is the long axis over the short one, such as 2.41; %2$s is the
            // tilt of the long axis in degrees, such as -45.
            i18n::format(i18n::tr("axial ratio %1$s, tilt %2$s\u00b0"), {ratio, tilt})};
}

std::string caption(const Ellipse& ellipse) {
    const CaptionLines lines = captionLines(ellipse);
    return lines.second.empty() ? lines.first : lines.first + ", " + lines.second;
}

Ellipse ellipseOf(const Form1& form) {
    // The sum at phi = 0 and at a quarter cycle later.
    const FieldVector a = sumAt(form, 0);
    const FieldVector b = sumAt(form, kPi / 2);
    // The semi-axes are the square roots of the eigenvalues of a a' + b b'.
    const double xx = a.x * a.x + b.x * b.x;
    const double yy = a.y * a.y + b.y * b.y;
    const double xy = a.x * a.y + b.x * b.y;
    const double spread = std::sqrt((xx - yy) * (xx - yy) + 4 * xy * xy);
    Ellipse figure;
    figure.major = std::sqrt(std::max(0.0, (xx + yy + spread) / 2));
    figure.minor = std::sqrt(std::max(0.0, (xx + yy - spread) / 2));
    // Screen y grows downwards: the angle a student sees is the other way round.
    double tilt = -0.5 * std::atan2(2 * xy, xx - yy) * 180 / kPi;
    if (tilt <= -90)
        tilt += 180;
    figure.tiltDegrees = tilt;
    // The tip moves from a towards b: a positive cross product turns clockwise on the screen.
    figure.clockwise = a.x * b.y - a.y * b.x > 0;
    // Within a thousandth of the sum's size: the eight-digit pi leaves that much of a circle's
    // quarter cycle unmatched.
    constexpr double kTolerance = 1e-3;
    if (figure.major < kTolerance) {
        figure.kind = Ellipse::Kind::None;
    } else if (figure.minor < kTolerance * figure.major) {
        figure.kind = Ellipse::Kind::Linear;
    } else if (figure.major - figure.minor < kTolerance * figure.major) {
        figure.kind = Ellipse::Kind::Circular;
    } else {
        figure.kind = Ellipse::Kind::Elliptical;
    }
    return figure;
}

std::vector<demos::Figure> figures(const Form1& form) {
    // The axes, which hold every tip of amplitudes up to 1.5 about their crossing, and the ellipse
    // tool's caption at the top right while it shows.
    const double left = form.Line1.x1();
    const double top = form.Line2.y1();
    std::vector<demos::Figure> out = {
        {"axes",
         RectF{left, top, double{form.Line1.x2()} - left, double{form.Line2.y2()} - top}.adjusted(
             120)}};
    if (form.lesson.ellipseShown())
        out.push_back({"ellipse", kEllipseCaptionArea, 1, 1, true});
    return out;
}

}  // namespace polarisation
