#include "demos/waves/wave_trace.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/waves/plot_trace.h"

namespace wave_trace {

void setUpOptionRows(Form1& form, const char* firstCaption,
                     std::initializer_list<const char*> firstEntries, const char* secondCaption,
                     std::initializer_list<const char*> secondEntries) {
    form.lblOne.setCaption(firstCaption);
    form.cmbOne.clear();
    form.cmbOne.setTextColour(colours::kBrightBlue);
    for (const char* entry : firstEntries) form.cmbOne.addItem(entry);
    form.cmbOne.setText("1.0");
    form.OptionValue = 1.0;

    form.lblTwo.setCaption(secondCaption);
    form.cmbTwo.clear();  // its text colour stays as created
    for (const char* entry : secondEntries) form.cmbTwo.addItem(entry);
    form.cmbTwo.setText("1.0");

    form.lblOne.setVisible(true);
    form.cmbOne.setVisible(true);
    form.lblTwo.setVisible(true);
    form.cmbTwo.setVisible(true);
    form.lblThree.setVisible(false);
    form.lblFour.setVisible(false);
    form.hscPhase.setVisible(false);
}

void layOut(Form1& form) {
    for (int i = 0; i <= 95; ++i) {
        Line& segment = form.lnePlot[i];
        segment.setVisible(true);
        segment.setX1(120.0 * (i + 1));
        segment.setX2(120.0 * (i + 2));
        segment.setY1(kZeroLine);
        segment.setY2(kZeroLine);
    }
}

void restartAnimation(Form1& form) {
    form.cmdStart.setCaption("Pause");
    form.tmrOne.setEnabled(true);
    form.FrameCount = 0.0;
}

void drawFrame(Form1& form) {
    PlotTrace(form.lnePlot, form.Trace1, 96, 0, kZeroLine, kTwipsPerUnit);
    // Read back from the controls: the marker follows the joint as it was stored.
    Shape& marker = form.Shape1[0];
    marker.setLeft(double{form.lnePlot[49].x1()} - double{marker.width()} / 2);
    marker.setTop(double{form.lnePlot[49].y1()} - double{marker.height()} / 2);
}

double markerHeight(const Form1& form) {
    const Shape& marker = form.Shape1[0];
    return (kZeroLine - (marker.top() + marker.height() / 2.0)) / kTwipsPerUnit;
}

std::vector<demos::Figure> figures(const Form1& /*form*/) {
    // Samples of -1 to 1 and the marker's circle about them, the line's whole length.
    return {{"wave", {0, kZeroLine - kTwipsPerUnit - 300, 11835, 2 * kTwipsPerUnit + 600}}};
}

double boundedSample(double sample) {
    if (std::isnan(sample))
        return 0.0;
    return std::clamp(sample, -kSampleLimit, kSampleLimit);
}

}  // namespace wave_trace
