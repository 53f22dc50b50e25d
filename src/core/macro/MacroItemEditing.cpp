// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroItemEditing.h"

#include "core/macro/MacroItem.h"
#include "core/macro/MacroStore.h"

namespace gx508 {

namespace {

bool IsSelection(const std::vector<std::string>& items, int selected) {
    return selected >= 0 && static_cast<std::size_t>(selected) < items.size();
}

bool Fits(const std::vector<std::string>& items, std::size_t more) {
    return items.size() + more <= static_cast<std::size_t>(kMaxMacroItems);
}

std::vector<std::string>::iterator At(std::vector<std::string>& items, int index) {
    return items.begin() + index;
}

}  // namespace

ItemEdit InsertButtonPair(std::vector<std::string>& items, int selected, std::string_view button) {
    if (!Fits(items, 2)) {
        return {};
    }
    if (items.empty()) {
        items = {PressItem(button), ReleaseItem(button)};
        return {true, 1, false};
    }
    if (!IsSelection(items, selected)) {
        return {};
    }
    const bool afterDelay = ItemContains(items[static_cast<std::size_t>(selected)], kDelayMark);
    items.insert(At(items, selected + 1), {PressItem(button), ReleaseItem(button)});
    return {true, afterDelay ? selected + 1 : selected + 2, true};
}

ItemEdit InsertMacroDelay(std::vector<std::string>& items, int selected) {
    if (!Fits(items, 1) || !IsSelection(items, selected) || selected < 1) {
        return {};
    }
    const auto i = static_cast<std::size_t>(selected);
    if (ItemContains(items[i - 1], kDelayMark) || ItemContains(items[i], kDelayMark)) {
        return {};
    }
    items.insert(At(items, selected), DelayItem(50));
    return {true, selected + 1, true};
}

ItemEdit DeleteMacroItem(std::vector<std::string>& items, int selected) {
    if (!IsSelection(items, selected)) {
        return {};
    }
    items.erase(At(items, selected));
    return {true, -1, true};
}

}  // namespace gx508
