#include "demos/fading/fading.h"

#include <cmath>
#include <cstdint>

#include "app/form1.h"
#include "demos/fading/fading_record.h"
#include "demos/fading/histogram.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace fading {

using number_rules::kPi;
using number_rules::roundToInt16;

namespace {

// A uniform random angle from -pi up to but not including pi.
double randomAngle(Form1& form) {
    return 2 * form.random.next() * kPi - kPi;
}

}  // namespace

// The product is taken in 16-bit arithmetic, then divided.
double directLength(const Form1& form) {
    const auto steps = static_cast<std::int16_t>(form.hscFixed.value());
    return number_rules::multiplyInt16(steps, 2000) / 10.0;
}

bool hasDirectRay(const Form1& form) {
    return form.demoIs("Ricean");
}

double phaseStepScale(const Form1& form) {
    return ((form.hscRate.value() + 1) * 0.1) / 10;
}

double largestPhaseStep(const Form1& form) {
    return kPi * phaseStepScale(form);
}

bool phasesWanderSlowly(const Form1& form) {
    return form.hscRate.value() < form.hscRate.max();
}

double envelope(const Form1& form) {
    const Line& resultant = form.lnePol[5];
    const double dx = double{resultant.x1()} - resultant.x2();
    const double dy = double{resultant.y1()} - resultant.y2();
    return std::sqrt(dx * dx + dy * dy);
}

double rayPower(const Form1& form, int first) {
    const int rays = rayCount(form);
    double power = 0;
    for (int i = first; i <= rays; ++i) power += form.Trace1[i] * form.Trace1[i];
    return power;
}

int rayCount(const Form1& form) {
    const std::string& text = form.cmbOne.text();
    if (text == "One")
        return 1;
    if (text == "Two")
        return 2;
    if (text == "Three")
        return 3;
    if (text == "Five")
        return 5;
    if (text == "Ten")
        return 10;
    return 0;
}

void setUp(Form1& form) {
    const bool ricean = form.demoIs("Ricean");
    for (int i = 0; i <= 5; ++i) form.lnePol[i].setBorderWidth(1);  // dotted from here on

    form.Line1.setPoints(360, 3600, 6900, 3600);
    form.Line2.setPoints(3540, 660, 3540, 6180);
    form.Line1.setVisible(true);
    form.Line2.setVisible(true);

    form.cmdHist.setVisible(true);
    form.hscRate.setVisible(true);
    form.lblRate.setVisible(true);
    if (ricean) {
        form.lblFixed.setVisible(true);
        form.hscFixed.setVisible(true);
    }

    // The order of the draws decides every colour, length and phase of a run.
    for (int i = 0; i <= 96; ++i) {
        const double u1 = form.random.next();
        const double u2 = form.random.next();
        const double u3 = form.random.next();
        form.lnePlot[i].setBorderColour(Colour::fromRgb(
            roundToInt16(u1 * 255), roundToInt16(u2 * 255), roundToInt16(u3 * 255)));
        if (!ricean) {
            form.Trace1[i] = form.random.next() * 300 + 150;
        } else if (i == 1) {
            form.Trace1[1] = directLength(form);
        } else if (i >= 2) {
            form.Trace1[i] = form.random.next() * 150 + 100;
        }
        form.Trace2[i] = randomAngle(form);
    }

    form.lblTwo.setVisible(false);
    form.cmbTwo.setVisible(false);
    form.lblThree.setVisible(false);
    form.lblFour.setVisible(false);
    form.hscPhase.setVisible(false);

    form.HistBins.fill(0.0);

    form.lblOne.setVisible(true);
    form.cmbOne.setVisible(true);
    form.lblOne.setCaption(N_("No. of Rays"));
    form.cmbOne.clear();
    for (const char* entry : {N_("One"), N_("Two"), N_("Three"), N_("Five"), N_("Ten")})
        form.cmbOne.addItem(entry);
    form.cmbOne.setText("One");
}

void drawFrame(Form1& form) {
    const int rays = rayCount(form);
    std::int16_t x = roundToInt16(form.Line2.x1());
    std::int16_t y = roundToInt16(form.Line1.y1());
    form.PhaseStepScale = phaseStepScale(form);
    if (form.demoIs("Ricean"))
        form.Trace1[1] = directLength(form);

    for (int i = 1; i <= rays; ++i) {
        Line& ray = form.lnePlot[i];
        ray.setVisible(true);
        form.Trace2[i] = form.Trace2[i] + randomAngle(form) * form.PhaseStepScale;
        ray.setX1(x);
        ray.setY1(y);
        // The pen is rounded after every ray, so every joint of the chain is a whole twip.
        x = roundToInt16(std::cos(form.Trace2[i]) * form.Trace1[i] + x);
        y = roundToInt16(std::sin(form.Trace2[i]) * form.Trace1[i] + y);
        ray.setX2(x);
        ray.setY2(y);
    }

    Line& resultant = form.lnePol[5];
    resultant.setX1(x);
    resultant.setY1(y);
    resultant.setX2(form.lnePlot[1].x1());
    resultant.setY2(form.lnePlot[1].y1());
    resultant.setVisible(true);

    const double bin = histogram::binOf(envelope(form));
    if (histogram::isOn(form) && bin < histogram::kBins) {
        histogram::count(form, static_cast<int>(bin));
    }
}

std::vector<demos::Figure> figures(const Form1& form) {
    // The axes as the set-up lays them out, with the histogram and the fading record while they
    // show.
    const RectF axes{double{form.Line1.x1()}, double{form.Line2.y1()},
                     double{form.Line1.x2()} - form.Line1.x1(),
                     double{form.Line2.y2()} - form.Line2.y1()};
    std::vector<demos::Figure> out = {{"rays", axes.adjusted(120)}};
    if (histogram::isOn(form))
        out.push_back({"histogram", histogram::axesBox(form).adjusted(60), 1, 1});
    if (form.lesson.recordShown())
        out.push_back({"record", fading_record::kArea, 1, 1, true});
    if (form.lesson.recordShown())
        out.push_back({"record numbers", fading_record::kNumbersArea, 2, 2, true});
    return out;
}

}  // namespace fading
