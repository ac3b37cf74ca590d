#include "ui/menu_entry.h"

std::string keyText(const MenuKey& key) {
    std::string text;
    if (key.control)
        text += "Ctrl+";
    if (key.shift)
        text += "Shift+";
    return text + std::string(key.key);
}
