#include "demos/fading/theory_curve.h"

#include <cmath>
#include <optional>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"
#include "ui/number_rules.h"

namespace theory_curve {

namespace {

using histogram::kBins;
using histogram::lowerEdge;
using histogram::upperEdge;

// The envelope of a direct ray of length `direct` plus scattered rays of mean power 2 sigma2
// (twips squared); direct = 0 is Rayleigh.
struct Distribution {
    double sigma2 = 0;
    double direct = 0;
};

// exp(-x) I0(x) for x >= 0: the power series where it converges fast, the asymptotic series
// above, so that neither overflows where I0 itself would (x beyond 700 comes with a strong direct
// ray and weak scatter).
double scaledBesselI0(double x) {
    if (x < 30) {
        const double quarterSquare = x * x / 4;
        double term = 1;
        double sum = 1;
        for (int k = 1; term > sum * 1e-17; ++k) {
            term *= quarterSquare / (static_cast<double>(k) * k);
            sum += term;
        }
        return sum * std::exp(-x);
    }
    // The terms fall at least until k = 2x, far beyond where they drop below the precision.
    double term = 1;
    double sum = 1;
    for (int k = 1; term > sum * 1e-17; ++k) {
        term *= (2.0 * k - 1) * (2.0 * k - 1) / (8.0 * k * x);
        sum += term;
    }
    return sum / std::sqrt(2 * number_rules::kPi * x);
}

// The Rice density (r / s2) exp(-(r^2 + A^2) / (2 s2)) I0(r A / s2), with exp(-x) taken into I0.
double density(const Distribution& d, double r) {
    const double gap = r - d.direct;
    return r / d.sigma2 * std::exp(-gap * gap / (2 * d.sigma2)) *
           scaledBesselI0(r * d.direct / d.sigma2);
}

// The probability of an envelope from `lower` up to `upper`: the Rayleigh distribution function
// where it has one in closed form, else Simpson's rule on 64 panels of at most 1.6 twips; the
// narrowest density met (one scattered ray of 100 twips) is 70 twips wide.
double probability(const Distribution& d, double lower, double upper) {
    if (d.direct == 0) {
        return std::exp(-lower * lower / (2 * d.sigma2)) -
               std::exp(-upper * upper / (2 * d.sigma2));
    }
    constexpr int kPanels = 64;
    const double h = (upper - lower) / kPanels;
    double sum = density(d, lower) + density(d, upper);
    for (int i = 1; i < kPanels; ++i) sum += (i % 2 == 1 ? 4 : 2) * density(d, lower + i * h);
    return sum * h / 3;
}

// Ray i as the next frame draws it: in "Ricean" ray 1 follows hscFixed at once.
double rayLength(const Form1& form, int i) {
    return i == 1 && fading::hasDirectRay(form) ? fading::directLength(form) : form.Trace1[i];
}

std::optional<Distribution> distributionOf(const Form1& form, Theory theory) {
    const int rays = fading::rayCount(form);
    const int firstScattered = theory == Theory::Ricean ? 2 : 1;
    if (theory == Theory::Off || rays < firstScattered)
        return std::nullopt;
    double power = 0;
    for (int i = firstScattered; i <= rays; ++i) power += rayLength(form, i) * rayLength(form, i);
    if (!(power > 0))
        return std::nullopt;
    return Distribution{power / 2, theory == Theory::Ricean ? rayLength(form, 1) : 0.0};
}

}  // namespace

std::vector<double> expectedCounts(const Form1& form, Theory theory) {
    if (!histogram::isOn(form))
        return {};
    const std::optional<Distribution> distribution = distributionOf(form, theory);
    const double counted = histogram::total(form);
    if (!distribution || counted == 0)
        return {};

    // Frames beyond the last bin are not counted, so the bins share the counted frames in
    // proportion to their probabilities: the curve and the bars hold the same total.
    double probabilities[kBins];
    double inBins = 0;
    for (int k = 0; k < kBins; ++k) {
        probabilities[k] = probability(*distribution, lowerEdge(k), upperEdge(k));
        inBins += probabilities[k];
    }
    if (!(inBins > 0) || !std::isfinite(inBins))
        return {};
    std::vector<double> expected(kBins);
    for (int k = 0; k < kBins; ++k) expected[k] = counted * probabilities[k] / inBins;
    return expected;
}

std::vector<PointF> points(const Form1& form, Theory theory) {
    const std::vector<double> expected = expectedCounts(form, theory);
    const double scale = histogram::barScale(form);
    const double baseline = form.Line4.y1();
    std::vector<PointF> curve;
    curve.reserve(expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const Shape& bar = form.shpHist[static_cast<int>(k)];
        curve.push_back(
            {double{bar.left()} + double{bar.width()} / 2, baseline - scale * expected[k]});
    }
    return curve;
}

}  // namespace theory_curve
