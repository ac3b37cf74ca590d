#include "demos/fading/fading_record.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "demos/fading/fading.h"

namespace fading_record {

void Record::clear() {
    envelopes_.clear();
    sumOfSquares_ = 0;
}

void Record::add(double envelope) {
    envelopes_.push_back(envelope);
    sumOfSquares_ += envelope * envelope;
    if (envelopes_.size() > kKeptFrames) {
        sumOfSquares_ -= envelopes_.front() * envelopes_.front();
        envelopes_.pop_front();
    }
}

double Record::rms() const {
    return envelopes_.empty() ? 0 : std::sqrt(std::max(0.0, sumOfSquares_ / envelopes_.size()));
}

std::vector<double> Record::shown() const {
    const std::size_t count = std::min<std::size_t>(envelopes_.size(), kShownFrames);
    return {envelopes_.end() - static_cast<std::ptrdiff_t>(count), envelopes_.end()};
}

void Record::keepFrame(const Form1& form) {
    if (fading::rayCount(form) < 1)
        return;
    const std::string of = form.cmbDemo.text() + "/" + form.cmbOne.text() + "/" +
                           std::to_string(form.hscFixed.value());
    if (of != recordedFor_) {
        clear();
        recordedFor_ = of;
    }
    add(fading::envelope(form));
}

double Record::level(double decibels) const {
    return rms() * std::pow(10.0, decibels / 20);
}

double Record::decibelsOf(double envelope) const {
    return 20 * std::log10(envelope / rms());
}

double Record::fractionBelow(double decibels) const {
    if (envelopes_.empty())
        return 0;
    const double threshold = level(decibels);
    const auto below = std::count_if(envelopes_.begin(), envelopes_.end(),
                                     [threshold](double r) { return r < threshold; });
    return static_cast<double>(below) / envelopes_.size();
}

double riceBelow(double nu, double scattered, double r) {
    if (r <= 0)
        return 0;
    if (scattered <= 0)
        return nu < r ? 1 : 0;
    // With a = nu / sigma and b = r / sigma: the sum over k of the Poisson weights of a^2 / 2
    // times the chance that a chi-square of 2k + 2 degrees of freedom lies below b^2.
    const double lambda = nu * nu / scattered;  // a^2 / 2
    const double x = r * r / scattered;         // b^2 / 2
    double weight = std::exp(-lambda);
    double term = std::exp(-x);  // e^-x x^j / j!, j = 0
    double cumulative = term;    // the Poisson(x) probability of at most k
    double total = 0;
    const int last = static_cast<int>(lambda + 12 * std::sqrt(lambda) + 60);
    for (int k = 0; k <= last; ++k) {
        total += weight * (1 - cumulative);
        weight *= lambda / (k + 1);
        term *= x / (k + 1);
        cumulative += term;
    }
    return std::clamp(total, 0.0, 1.0);
}

double theoryBelow(const Form1& form, double threshold) {
    const int rays = fading::rayCount(form);
    if (rays < 1)
        return 0;
    if (rays == 1)
        return form.Trace1[1] < threshold ? 1 : 0;
    if (fading::hasDirectRay(form))
        return riceBelow(fading::directLength(form), fading::rayPower(form, 2), threshold);
    return 1 - std::exp(-threshold * threshold / fading::rayPower(form));
}

}  // namespace fading_record
