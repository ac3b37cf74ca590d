#include "demos/phasors/phasors.h"

#include <cmath>

#include "app/form1.h"
#include "demos/phasors/phase_angle.h"
#include "demos/waves/plot_trace.h"
#include "ui/number_rules.h"

namespace phasors {

using number_rules::kPi;

namespace {

constexpr double kGrid = 60;

double centreX(const Button& handle) { return double{handle.width()} / 2 + handle.left(); }
double centreY(const Button& handle) { return double{handle.height()} / 2 + handle.top(); }

struct Phasor {
    double x = 0;  // rightward offset of the tip from its diagram's origin
    double y = 0;  // downward offset
};

// The tip of `handle` relative to the origin of its diagram, where the vertical axis `upright`
// crosses the horizontal axis `level`.
Phasor offsetOf(const Button& handle, const Line& upright, const Line& level) {
    return {double{handle.width()} / 2 + handle.left() - upright.x1(),
            double{handle.height()} / 2 + handle.top() - level.y1()};
}

void sampleSinusoid(TraceArray& trace, Phasor p) {
    const double magnitude = std::sqrt(p.y * p.y + p.x * p.x);
    const double phase = PhaseAngle(p.y, p.x);
    for (int i = 0; i <= 95; ++i) trace[i] = std::cos(i * kPi / 8 - phase) * magnitude;
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
    for (Control* control : std::initializer_list<Control*>{
             &form.lblOne, &form.lblTwo, &form.cmbOne, &form.cmbTwo,
             // The relative phase has no meaning here.
             &form.lblThree, &form.hscPhase, &form.lblFour}) {
        control->setVisible(false);
    }
}

void drawFrame(Form1& form) {
    const Phasor p1 = offsetOf(form.cmdPhasor[0], form.lnePhasor[6], form.lnePhasor[3]);
    const Phasor p2 = offsetOf(form.cmdPhasor[1], form.lnePhasor[7], form.lnePhasor[4]);

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

    // The shafts; each line's properties are set in this order.
    const Button& tip1 = form.cmdPhasor[0];
    const Button& tip2 = form.cmdPhasor[1];
    Line& shaft1 = form.lnePol[0];
    shaft1.setX1(form.lnePhasor[6].x1());
    shaft1.setX2(centreX(tip1));
    shaft1.setY1(form.lnePhasor[3].y1());
    shaft1.setY2(centreY(tip1));
    shaft1.setVisible(true);

    // Phasor 1 again in diagram 3; the vertical axes share one x, so its tip's x serves.
    Line& shaft1InSum = form.lnePol[1];
    shaft1InSum.setX1(form.lnePhasor[8].x1());
    shaft1InSum.setX2(centreX(tip1));
    shaft1InSum.setY1(form.lnePhasor[5].y1());
    shaft1InSum.setY2(double{shaft1.y2()} - shaft1.y1() + shaft1InSum.y1());
    shaft1InSum.setVisible(true);

    Line& shaft2 = form.lnePol[2];
    shaft2.setX1(form.lnePhasor[7].x1());
    shaft2.setX2(centreX(tip2));
    shaft2.setY1(form.lnePhasor[4].y1());
    shaft2.setY2(centreY(tip2));
    shaft2.setVisible(true);

    // Phasor 2 drawn from the tip of phasor 1 in diagram 3.
    Line& shaft2InSum = form.lnePol[3];
    shaft2InSum.setX1(shaft1InSum.x2());
    shaft2InSum.setX2(double{shaft2.x2()} + shaft2InSum.x1() - shaft2.x1());
    shaft2InSum.setY1(shaft1InSum.y2());
    shaft2InSum.setY2(double{shaft2.y2()} + shaft2InSum.y1() - shaft2.y1());
    shaft2InSum.setVisible(true);
}

void cmdPhasor_MouseDown(Form1& form, int index, int button, int /*shift*/, float /*x*/,
                         float /*y*/) {
    if (index < 2 && button == Button::kLeftButton) form.cmdPhasor[index].drag();
}

void Form_DragDrop(Form1& form, Button& source, float x, float y) {
    const double w = form.cmdPhasor[0].width();
    const double h = form.cmdPhasor[0].height();
    source.move(x - w / 2, y - h / 2);
    source.setLeft(number_rules::floorOf(source.left() / kGrid) * kGrid);
    source.setTop(number_rules::floorOf(source.top() / kGrid) * kGrid);
}

}  // namespace phasors
