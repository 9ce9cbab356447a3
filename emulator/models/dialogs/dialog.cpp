#include "emulator/models/dialogs/dialog.h"

#include <algorithm>

#include "emulator/models/dialogs/value_text.h"

namespace emulator {

int32_t List::IndexOf(const Entry* entry) const {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].get() == entry) return static_cast<int32_t>(i);
    return -1;
}

bool Item::IsNumeric() const {
    return type == kADMSpinEditType || type == kADMSliderType || hasValue;
}

bool Item::IsPushButton() const {
    return type == kADMTextPushButtonType || type == kADMPicturePushButtonType;
}

std::string Item::ShownText() const {
    if (list != nullptr && type == kADMPopupListType)
        return list->active != nullptr ? list->active->text : "";
    if (IsNumeric()) return FormatValue(value, units, precision);
    return text;
}

float Item::Clamp(float candidate) const {
    if (minimum) candidate = std::max(candidate, *minimum);
    if (maximum) candidate = std::min(candidate, *maximum);
    return candidate;
}

Item* Dialog::Find(int32_t id) const {
    for (const auto& item : items)
        if (item->id == id) return item.get();
    return nullptr;
}

Item* Dialog::Topmost(int32_t id) const {
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if ((*it)->id == id) return it->get();
    return nullptr;
}

}  // namespace emulator
