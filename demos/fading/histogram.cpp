#include "demos/fading/histogram.h"

#include "app/form1.h"
#include "ui/number_rules.h"

namespace histogram {

bool isOn(const Form1& form) {
    return form.Line3.visible();
}

RectF axesBox(const Form1& form) {
    const double left = form.Line3.x1();
    const double top = form.Line3.y1();
    return {left, top, double{form.Line4.x2()} - left, double{form.Line4.y1()} - top};
}

double total(const Form1& form) {
    double counted = 0;
    for (int k = 0; k < kBins; ++k) counted += form.HistBins[k];
    return counted;
}

void cmdHist_Click(Form1& form) {
    form.Line3.setVisible(true);
    form.Line4.setVisible(true);
    for (int k = 0; k < kBins; ++k) {
        form.HistBins[k] = 0;
        form.shpHist[k].setVisible(true);
    }
}

double barScale(const Form1& form) {
    double peak = 0;
    for (int k = 0; k < kBins; ++k) {
        if (form.HistBins[k] > peak)
            peak = form.HistBins[k];
    }
    return peak > 0 ? kTallestBar / peak : 0;
}

double binOf(double envelope) {
    return number_rules::floorOf(envelope / 2000 * 20 + 0.5);
}

double lowerEdge(int bin) {
    return bin == 0 ? 0.0 : 100.0 * bin - 50;
}
double upperEdge(int bin) {
    return 100.0 * bin + 50;
}

void count(Form1& form, int bin) {
    form.HistBins[bin] = form.HistBins[bin] + 1;
    const double scale = barScale(form);  // the peak is at least the count just added
    for (int k = 0; k < kBins; ++k) {
        Shape& bar = form.shpHist[k];
        bar.setFillColour(colours::kTeal);
        bar.setHeight(scale * form.HistBins[k]);
        // From the height as the control holds it, so every bar stands on the baseline.
        bar.setTop(double{form.Line4.y1()} - bar.height());
    }
    form.shpHist[bin].setFillColour(colours::kLightBlue);
}

}  // namespace histogram
