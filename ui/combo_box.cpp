#include "ui/combo_box.h"

#include <algorithm>

#include "ui/program_error.h"

void ComboBox::setText(std::string text) {
    if (text == text_)
        return;
    setProperty(text_, text);
    if (onChange)
        onChange();
}

void ComboBox::addItem(std::string item) {
    addItem(std::move(item), static_cast<int>(items_.size()));
}

void ComboBox::addItem(std::string item, int position) {
    if (position < 0 || position > static_cast<int>(items_.size())) {
        throw ProgramError(name() + ": no list position " + std::to_string(position));
    }
    auto items = items_;
    items.insert(items.begin() + position, std::move(item));
    setProperty(items_, items);
}

int ComboBox::currentIndex() const {
    const auto found = std::find(items_.begin(), items_.end(), text_);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void ComboBox::turnWheel(int notches) {
    for (; notches != 0; notches += notches > 0 ? -1 : 1) {
        const int index = currentIndex() + (notches > 0 ? -1 : 1);
        if (index < 0 || index >= static_cast<int>(items_.size()))
            return;
        pick(index);
    }
}

void ComboBox::pick(int position) {
    if (position < 0 || position >= static_cast<int>(items_.size())) {
        throw ProgramError(name() + ": no list entry " + std::to_string(position));
    }
    setProperty(text_, items_[static_cast<std::size_t>(position)]);
    if (onClick)
        onClick();
}
