#include "ui/form_sync.h"

#include <algorithm>
#include <numeric>
#include <variant>

namespace {

int tabIndexOf(const Form::WindowedControlRef& ref) {
    return std::visit([](const auto* control) { return control->tabIndex(); }, ref);
}

std::uint64_t revisionOf(const Form::WindowedControlRef& ref) {
    return std::visit([](const auto* control) { return control->revision(); }, ref);
}

}  // namespace

FormSync::FormSync(const Form& form)
    : form_(form),
      seenControls_(form.windowedControls().size()),
      seenTimers_(form.timers().size()),
      changes_{std::vector<bool>(form.windowedControls().size()),
               std::vector<bool>(form.timers().size())} {}

std::vector<std::size_t> FormSync::tabOrder() const {
    const auto& controls = form_.windowedControls();
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&controls](std::size_t a, std::size_t b) {
        return tabIndexOf(controls[a]) < tabIndexOf(controls[b]);
    });
    return order;
}

const FormSync::Changes& FormSync::takeChanges(bool everything) {
    everything = everything || !seenAny_;
    seenAny_ = true;
    const auto& controls = form_.windowedControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const std::uint64_t revision = revisionOf(controls[i]);
        changes_.controls[i] = everything || revision != seenControls_[i];
        seenControls_[i] = revision;
    }
    const auto& timers = form_.timers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        const std::uint64_t revision = timers[i]->revision();
        changes_.timers[i] = everything || revision != seenTimers_[i];
        seenTimers_[i] = revision;
    }
    return changes_;
}
