#include "demos/phasors/phasors.h"

#include <cmath>

#include "app/form1.h"
#include "demos/phasors/phase_angle.h"
#include "demos/waves/plot_trace.h"
#include "ui/form.h"
#include "ui/number_rules.h"

namespace phasors {

using number_rules::kPi;

namespace {

// Twips; the arrow keys move a handle by one step of it.
constexpr double kGrid = Form::kKeyboardStep;

double centreX(const Button& handle) {
    return double{handle.width()} / 2 + handle.left();
}
double centreY(const Button& handle) {
    return double{handle.height()} / 2 + handle.top();
}

using Phasor = Offset;

// The tip of `handle` relative to the origin of its diagram, where the vertical axis `upright`
// crosses the horizontal axis `level`.
Phasor offsetOf(const Button& handle, const Line& upright, const Line& level) {
    return {double{handle.width()} / 2 + handle.left() - upright.x1(),
            double{handle.height()} / 2 + handle.top() - level.y1()};
}

Phasor tipOf(const Form1& form, int index) {
    return offsetOf(form.cmdPhasor[index], form.lnePhasor[6 + index], form.lnePhasor[3 + index]);
}

// Sets a shaft's end points in the order X1, X2, Y1, Y2, then shows it.
void placeShaft(Line& shaft, double x1, double x2, double y1, double y2) {
    shaft.setX1(x1);
    shaft.setX2(x2);
    shaft.setY1(y1);
    shaft.setY2(y2);
    shaft.setVisible(true);
}

void sampleSinusoid(TraceArray& trace, Phasor p) {
    for (int i = 0; i <= 95; ++i) trace[i] = sinusoidAt(p, i);
}

}  // namespace

void setUp(Form1& form) {
    struct Trace {
        LineArray& lines;
        const Line& axis;
        const Button& handle;
    };
    const Trace traces[] = {{form.lnePlot, form.lnePhasor[0], form.cmdPhasor[0]},
                            {form.lnePlot2, form.lnePhasor[1], form.cmdPhasor[1]},
                            {form.lnePlot3, form.lnePhasor[2], form.cmdPhasor[2]}};
    // 96 equal segments over each trace axis, in the colour of the trace's handle.
    for (int i = 0; i <= 95; ++i) {
        for (const Trace& trace : traces) {
            Line& segment = trace.lines[i];
            const double x1 = trace.axis.x1();
            const double length = double{trace.axis.x2()} - x1;
            segment.setVisible(true);
            segment.setBorderColour(trace.handle.backColour());
            segment.setX1(length * (i / 96.0) + x1);
            segment.setX2(length * ((i + 1) / 96.0) + x1);
            segment.setY1(trace.axis.y1());
            segment.setY2(trace.axis.y2());
        }
    }
    for (int i = 0; i <= 5; ++i) form.lnePol[i].setBorderWidth(2);
    for (int i = 0; i <= 8; ++i) form.lnePhasor[i].setVisible(true);
    for (int i = 0; i <= 2; ++i) form.cmdPhasor[i].setVisible(true);
    // Every handle back on its diagram's origin: all three phasors start at zero length.
    for (int k = 0; k <= 2; ++k) {
        Button& handle = form.cmdPhasor[k];
        handle.setLeft(double{form.lnePhasor[6 + k].x1()} - double{handle.width()} / 2);
        handle.setTop(double{form.lnePhasor[3 + k].y1()} - double{handle.height()} / 2);
    }
    for (Control* control :
         std::initializer_list<Control*>{&form.lblOne, &form.lblTwo, &form.cmbOne, &form.cmbTwo,
                                         // The relative phase has no meaning here.
                                         &form.lblThree, &form.hscPhase, &form.lblFour}) {
        control->setVisible(false);
    }
}

void drawFrame(Form1& form) {
    const Phasor p1 = tipOf(form, 0);
    const Phasor p2 = tipOf(form, 1);

    Button& resultantHandle = form.cmdPhasor[2];
    resultantHandle.setLeft(double{form.lnePhasor[8].x1()} + p1.x + p2.x -
                            double{resultantHandle.width()} / 2);
    resultantHandle.setTop(double{form.lnePhasor[5].y1()} + p1.y + p2.y -
                           double{resultantHandle.height()} / 2);

    sampleSinusoid(form.Trace1, p1);
    sampleSinusoid(form.Trace2, p2);
    sampleSinusoid(form.Trace3, {p2.x + p1.x, p2.y + p1.y});
    PlotTrace(form.lnePlot, form.Trace1, 96, 0, form.lnePhasor[0].y1(), 1);
    PlotTrace(form.lnePlot2, form.Trace2, 96, 0, form.lnePhasor[1].y1(), 1);
    PlotTrace(form.lnePlot3, form.Trace3, 96, 0, form.lnePhasor[2].y1(), 1);

    // The shafts. The sum diagram's shafts take the values that the lines before them hold.
    const Button& tip1 = form.cmdPhasor[0];
    const Button& tip2 = form.cmdPhasor[1];
    Line& shaft1 = form.lnePol[0];
    Line& shaft1InSum = form.lnePol[1];
    Line& shaft2 = form.lnePol[2];
    Line& shaft2InSum = form.lnePol[3];
    placeShaft(shaft1, form.lnePhasor[6].x1(), centreX(tip1), form.lnePhasor[3].y1(),
               centreY(tip1));
    // Phasor 1 again in diagram 3; the vertical axes share one x, so its tip's x serves.
    const float sumOriginY = form.lnePhasor[5].y1();
    placeShaft(shaft1InSum, form.lnePhasor[8].x1(), centreX(tip1), sumOriginY,
               double{shaft1.y2()} - shaft1.y1() + sumOriginY);
    placeShaft(shaft2, form.lnePhasor[7].x1(), centreX(tip2), form.lnePhasor[4].y1(),
               centreY(tip2));
    // Phasor 2 drawn from the tip of phasor 1 in diagram 3.
    const float jointX = shaft1InSum.x2();
    const float jointY = shaft1InSum.y2();
    placeShaft(shaft2InSum, jointX, double{shaft2.x2()} + jointX - shaft2.x1(), jointY,
               double{shaft2.y2()} + jointY - shaft2.y1());
}

void cmdPhasor_MouseDown(Form1& form, int index, int button, int /*shift*/, float /*x*/,
                         float /*y*/) {
    if (index < 2 && button == Button::kLeftButton)
        form.cmdPhasor[index].drag();
}

void Form_DragDrop(Form1& form, Button& source, float x, float y) {
    const double w = form.cmdPhasor[0].width();
    const double h = form.cmdPhasor[0].height();
    source.move(x - w / 2, y - h / 2);
    source.setLeft(number_rules::floorOf(source.left() / kGrid) * kGrid);
    source.setTop(number_rules::floorOf(source.top() / kGrid) * kGrid);
}

Offset tipOffset(const Form1& form, int index) {
    if (index < 2)
        return tipOf(form, index);
    const Offset a = tipOf(form, 0);
    const Offset b = tipOf(form, 1);
    return {a.x + b.x, a.y + b.y};
}

double sinusoidAt(Offset offset, int sample) {
    const double magnitude = std::sqrt(offset.y * offset.y + offset.x * offset.x);
    const double phase = PhaseAngle(offset.y, offset.x);
    return std::cos(sample * kPi / 8 - phase) * magnitude;
}

double lengthOf(Offset offset) {
    return std::hypot(offset.x, offset.y);
}

double phaseDegrees(Offset offset) {
    return PhaseAngle(offset.y, offset.x) * 180 / kPi;
}

bool tipAtOrigin(const Form1& form, int index) {
    return tipOf(form, index).isZero();
}

std::vector<demos::Figure> figures(const Form1& form) {
    // The three diagrams together, from above the first vertical axis to the sum's numbers,
    // since a long phasor reaches into its neighbour's diagram as it does in the window; and the
    // three sinusoids beside them, as high as the picture, since a long phasor's sinusoid reaches
    // beyond its band. Upright the diagrams stand above the sinusoids, sideways beside them.
    // A tip on the top of the first vertical axis is whole inside.
    const double top = form.lnePhasor[6].y1() - 180.0;
    const double bottom = form.lnePhasor[8].y1() - 15.0 + 2040;
    const double left = form.lnePhasor[0].x1();
    std::vector<demos::Figure> out = {
        {"diagrams", {120, top, left - 60 - 120, bottom - top}, 0, 0},
        {"sinusoids", {left - 60, 0, double{form.lnePhasor[0].x2()} - left + 120, 7200}, 1, 0}};
    if (form.lesson.numbersShown())
        out.push_back({"numbers", kNumbersArea, 2, 1, true});
    return out;
}

}  // namespace phasors
