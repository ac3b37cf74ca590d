#include "demos/fading/theory_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/form1.h"

namespace {

using theory_curve::Theory;
using Counts = std::array<double, 32>;

constexpr double kPi = 3.1415926;
constexpr double kBaseline = 3360;  // Line4.Y1, the bottom of every bar

// exp(-x) I0(x) from I0(x) = (1/pi) integral over 0..pi of exp(x cos t): the integrand
// exp(x (cos t - 1)) never overflows. The trapezoid rule on a smooth periodic integrand converges
// faster than any power; 4000 panels resolve the peak at t = 0 (width 1/sqrt(x), 0.03 at x = 1300).
double scaledI0ByIntegral(double x) {
    constexpr int kPanels = 4000;
    const double h = kPi / kPanels;
    double sum = (1 + std::exp(-2 * x)) / 2;
    for (int i = 1; i < kPanels; ++i) sum += std::exp(x * (std::cos(i * h) - 1));
    return sum * h / kPi;
}

double riceDensity(double r, double direct, double sigma2) {
    const double scaled = direct == 0 ? 1.0 : scaledI0ByIntegral(r * direct / sigma2);
    return r / sigma2 * std::exp(-(r - direct) * (r - direct) / (2 * sigma2)) * scaled;
}

// The counts that `counted` frames spread over the 32 bins of 100 twips (bin b from 100 b - 50,
// bin 0 from 0) by the midpoint rule on 0.5-twip panels; frames beyond the last bin are not
// counted, so the bins share the counted frames in proportion.
Counts expectedCounts(double direct, double sigma2, double counted) {
    Counts p{};
    for (int b = 0; b < 32; ++b) {
        const double lower = b == 0 ? 0 : 100.0 * b - 50;
        const int panels = static_cast<int>((100.0 * b + 50 - lower) * 2);
        for (int i = 0; i < panels; ++i) p[b] += riceDensity(lower + (i + 0.5) / 2, direct, sigma2);
        p[b] /= 2;
    }
    double total = 0;
    for (double v : p) total += v;
    for (double& v : p) v *= counted / total;
    return p;
}

double countedFrames(const Form1& form) {
    double sum = 0;
    for (int b = 0; b < 32; ++b) sum += form.HistBins[b];
    return sum;
}

// The curve read back as counts on the bars' scale (3000 twips for the largest count); each point
// must sit on the centre of its bar (Left 7440 + 120 b, Width 135).
Counts curveCounts(const Form1& form) {
    const std::vector<PointF> curve = form.lesson.theoryCurve();
    EXPECT_EQ(curve.size(), 32u);
    const double peak = *std::max_element(form.HistBins.begin(), form.HistBins.end());
    Counts counts{};
    for (int b = 0; b < 32 && b < static_cast<int>(curve.size()); ++b) {
        EXPECT_EQ(curve[b].x, 7440 + 120 * b + 67.5) << "bar " << b;
        counts[b] = (kBaseline - curve[b].y) * peak / 3000;
    }
    return counts;
}

void expectCountsNear(const Counts& got, const Counts& want) {
    for (int b = 0; b < 32; ++b) {
        EXPECT_NEAR(got[b], want[b], 1e-4 * std::max(want[b], 1.0)) << "bin " << b;
        EXPECT_TRUE(std::isfinite(got[b])) << "bin " << b;
    }
}

double powerOfRays(const Form1& form, int first, int last) {
    double power = 0;
    for (int i = first; i <= last; ++i) power += form.Trace1[i] * form.Trace1[i];
    return power;
}

// How far the histogram of `rays` rays in "Rayleigh" lies from the Rayleigh curve, in standard
// errors of the counts, after 50 batches of 200 frames at Speed 20.
struct Agreement {
    double maxZ = 0;       // the largest |z| of the bins compared
    double chi2 = 0;       // the sum of z^2
    int bins = 0;          // bins expecting at least 50 frames
    double inflation = 0;  // variance of a count over the variance of independent frames
};

Agreement rayleighAgreement(const std::string& rays) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(3);  // "Rayleigh"
    form.cmbOne.setText(rays);
    form.hscRate.setValue(20);
    form.cmdHist.click();
    form.lesson.setTheory(Theory::Rayleigh);

    constexpr int kBatches = 50;
    constexpr int kFrames = 200;
    std::array<Counts, kBatches> batches{};
    Counts before{};
    for (Counts& batch : batches) {
        for (int t = 0; t < kFrames; ++t) form.tmrOne.tick();
        for (int b = 0; b < 32; ++b) {
            batch[b] = form.HistBins[b] - before[b];
            before[b] = form.HistBins[b];
        }
    }
    const int last = rays == "Ten" ? 10 : 2;
    const double n = countedFrames(form);
    const Counts want = expectedCounts(0, powerOfRays(form, 1, last) / 2, n);
    expectCountsNear(curveCounts(form), want);

    // The frames are correlated, so a count varies more than a binomial one: by a factor g that
    // the batches measure. Across batches far longer than the correlation the batch counts are
    // independent, and kBatches times their variance is the variance of the total; g pools
    // that over the bins compared.
    Agreement a;
    double measured = 0, binomial = 0;
    for (int b = 0; b < 32; ++b) {
        if (want[b] < 50)
            continue;
        double mean = 0, variance = 0;
        for (const Counts& batch : batches) mean += batch[b] / kBatches;
        for (const Counts& batch : batches) variance += std::pow(batch[b] - mean, 2);
        measured += kBatches * variance / (kBatches - 1);
        binomial += want[b] * (1 - want[b] / n);
    }
    a.inflation = measured / binomial;
    for (int b = 0; b < 32; ++b) {
        if (want[b] < 50)
            continue;
        const double z =
            (form.HistBins[b] - want[b]) / std::sqrt(a.inflation * want[b] * (1 - want[b] / n));
        a.maxZ = std::max(a.maxZ, std::abs(z));
        a.chi2 += z * z;
        ++a.bins;
    }
    return a;
}

// Rayleigh fading is the limit of many paths. At Speed 20 every phase step is uniform within
// +-0.66 rad, so a ray's phasor keeps a correlation of 0.93 per frame and loses it within about
// 14 frames; a bin's count is correlated over fewer frames still (g comes out near 1.7). Batches
// of 200 frames are therefore independent, and 10000 frames (17 minutes of a lecture at normal
// speed) put about 22 bins above 50 expected frames, where the counts are close to normal. A
// sound model leaves every |z| below 4 with a probability of 99.8 % (22 bins at 6e-5 each); ten
// rays differ from the limit by about one standard error at most here (the deviation of ten paths
// shows only after some 10^5 frames, in the tail above 2500 twips). Two rays miss by tens of
// standard errors: their envelope never leaves |L1 - L2| .. L1 + L2. The run is deterministic
// (fixed seed), so it cannot flake.
TEST(TheoryCurve, RayleighCurveMeetsTheHistogramOfTenRaysButNotOfTwo) {
    const Agreement ten = rayleighAgreement("Ten");
    const Agreement two = rayleighAgreement("Two");
    EXPECT_GE(ten.bins, 20);
    EXPECT_LT(ten.maxZ, 4) << "chi2 " << ten.chi2 << " over " << ten.bins << " bins";
    EXPECT_GT(two.maxZ, 10) << "chi2 " << two.chi2 << " over " << two.bins << " bins";
    RecordProperty("ten_rays", "max|z| " + std::to_string(ten.maxZ) + ", chi2 " +
                                   std::to_string(ten.chi2) + " / " + std::to_string(ten.bins) +
                                   ", g " + std::to_string(ten.inflation));
    RecordProperty("two_rays", "max|z| " + std::to_string(two.maxZ) + ", chi2 " +
                                   std::to_string(two.chi2) + " / " + std::to_string(two.bins) +
                                   ", g " + std::to_string(two.inflation));
}

// A direct ray of 2000 twips over one scattered ray of 100 twips puts the argument r A / sigma^2
// of I0 at 800 where the density peaks, beyond 709, where exp(x) and I0(x) overflow a double.
// The curve follows the number of rays and hscFixed at once, even while paused, starts again
// with the histogram's press, and goes with the histogram.
TEST(TheoryCurve, RiceanCurveIsTheRiceCountPerBarEvenWhereI0OverflowsAndFollowsTheWindow) {
    Form1 form;
    form.load();
    form.cmbDemo.pick(4);  // "Ricean"
    form.cmbOne.pick(1);   // "Two"
    form.hscFixed.setValue(10);
    form.hscRate.setValue(20);
    EXPECT_EQ(form.lesson.theory(), Theory::Off);
    form.lesson.setTheory(Theory::Ricean);
    for (int t = 0; t < 50; ++t) form.tmrOne.tick();
    EXPECT_TRUE(form.lesson.theoryCurve().empty()) << "no curve while the histogram is off";

    form.cmdHist.click();
    for (int t = 0; t < 50; ++t) form.tmrOne.tick();
    form.Trace1[2] = 100;  // the weakest scatter the set-up can draw: sigma^2 = 5000
    {
        SCOPED_TRACE("Two rays, Fixed 10");
        expectCountsNear(curveCounts(form),
                         expectedCounts(2000, powerOfRays(form, 2, 2) / 2, countedFrames(form)));
    }

    form.cmdStart.click();  // paused: the curve follows the window before the next frame
    form.cmbOne.pick(3);    // "Five"
    form.hscFixed.setValue(3);
    {
        SCOPED_TRACE("Five rays, Fixed 3");
        expectCountsNear(curveCounts(form),
                         expectedCounts(600, powerOfRays(form, 2, 5) / 2, countedFrames(form)));
    }
    form.lesson.setTheory(Theory::Rayleigh);
    form.cmbOne.pick(4);  // "Ten"
    form.hscFixed.setValue(10);
    {
        SCOPED_TRACE("Rayleigh curve over ten Ricean rays: a tenth of it beyond the last bin");
        const double power = 2000.0 * 2000 + powerOfRays(form, 2, 10);
        expectCountsNear(curveCounts(form), expectedCounts(0, power / 2, countedFrames(form)));
    }
    form.lesson.setTheory(Theory::Ricean);

    form.cmbOne.pick(0);  // "One": a lone direct ray has a constant envelope
    EXPECT_TRUE(form.lesson.theoryCurve().empty());
    form.cmbOne.setText("4");  // names no number of rays
    EXPECT_TRUE(form.lesson.theoryCurve().empty());
    form.cmbOne.pick(4);  // "Ten"
    EXPECT_EQ(form.lesson.theoryCurve().size(), 32u);
    form.cmdHist.click();
    EXPECT_TRUE(form.lesson.theoryCurve().empty()) << "nothing counted since the press";
    form.cmdStart.click();
    form.tmrOne.tick();
    EXPECT_EQ(form.lesson.theoryCurve().size(), 32u);
    form.cmbDemo.pick(5);  // "Phasors" keeps the counts and "Ten", but hides the histogram
    ASSERT_GT(countedFrames(form), 0);
    EXPECT_TRUE(form.lesson.theoryCurve().empty());
    EXPECT_EQ(form.lesson.theory(), Theory::Ricean) << "the chosen theory stays";
}

}  // namespace
