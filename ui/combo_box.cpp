#include "ui/combo_box.h"

#include "ui/program_error.h"

void ComboBox::setText(std::string text) {
    if (text == text_) return;
    setProperty(text_, text);
    if (onChange) onChange();
}

void ComboBox::addItem(std::string item) { addItem(std::move(item), static_cast<int>(items_.size())); }

void ComboBox::addItem(std::string item, int position) {
    if (position < 0 || position > static_cast<int>(items_.size())) {
        throw ProgramError(name() + ": no list position " + std::to_string(position));
    }
    auto items = items_;
    items.insert(items.begin() + position, std::move(item));
    setProperty(items_, items);
}

void ComboBox::pick(int position) {
    if (position < 0 || position >= static_cast<int>(items_.size())) {
        throw ProgramError(name() + ": no list entry " + std::to_string(position));
    }
    setProperty(text_, items_[static_cast<std::size_t>(position)]);
    if (onClick) onClick();
}
