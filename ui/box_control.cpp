#include "ui/box_control.h"
#include "i18n/translate.h"

namespace {

// "Demo:" names the demo list as "Demo", "Speed " as "Speed".
std::string trimmedCaption(std::string caption) {
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) caption.pop_back();
    const auto first = caption.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first);
}

}  // namespace

std::string BoxControl::accessibleName() const {
    if (labelledBy_ != nullptr)
        return trimmedCaption(i18n::shown(labelledBy_->displayText()));
    if (!accessibleName_.empty())
        return i18n::shown(accessibleName_);
    return trimmedCaption(i18n::shown(displayText()));
}
