#include "ui/control.h"

#include <sstream>

#include "ui/form.h"
#include "ui/number_rules.h"
#include "ui/program_error.h"

void Control::setCoordinate(float& field, double value, const char* property) {
    if (!number_rules::fitsSingle(value)) {
        std::ostringstream message;
        message << "the value " << value << " cannot be stored in " << name_ << "." << property;
        throw ProgramError(message.str());
    }
    setProperty(field, static_cast<float>(value));
}

void Control::changed(bool wasVisible, const RectF& before) {
    ++revision_;
    if (form_ != nullptr) form_->controlChanged(*this, wasVisible, before);
}
