#include "ui/control.h"

#include <cmath>

#include "ui/form.h"
#include "ui/number_rules.h"
#include "ui/program_error.h"

void Control::setCoordinate(float& field, double value, const char* property) {
    if (!number_rules::fitsSingle(value)) {
        std::string shown = "nan";
        if (std::isfinite(value)) {
            shown = number_rules::shortestText(value);
        } else if (std::isinf(value)) {
            shown = value > 0 ? "inf" : "-inf";
        }
        throw ProgramError("the value " + shown + " cannot be stored in " + name_ + "." + property);
    }
    setProperty(field, static_cast<float>(value));
}

void Control::changed(bool wasVisible, const RectF& before) {
    ++revision_;
    if (form_ != nullptr)
        form_->controlChanged(*this, wasVisible, before);
}
