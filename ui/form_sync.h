#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/form.h"

// What a view of a form decides alike whatever its toolkit: the order the focus visits the
// windowed controls in, and which windowed controls and timers it must bring in step after an
// event. A view keeps one for its form and does the rest (widgets, elements, clocks) itself.
// Controls and timers are counted in the form's own order: Form::windowedControls() and
// Form::timers(), which neither changes after the form is made.
class FormSync {
public:
    explicit FormSync(const Form& form);

    // Positions in Form::windowedControls(), in the order the focus visits them: by tab index,
    // and controls with the same tab index in the order the form added them.
    std::vector<std::size_t> tabOrder() const;

    // One flag a windowed control and one a timer, each in the form's order: whether its
    // revision moved on since the view last brought it in step.
    struct Changes {
        std::vector<bool> controls;
        std::vector<bool> timers;
    };
    // What changed since the last call, which counts as having brought everything in step. On the
    // first call, and with `everything` (a view that must show everything anew), everything
    // counts as changed.
    const Changes& takeChanges(bool everything = false);

private:
    const Form& form_;
    std::vector<std::uint64_t> seenControls_;
    std::vector<std::uint64_t> seenTimers_;
    bool seenAny_ = false;
    Changes changes_;
};
