// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/GunItemEditing.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/macro/MacroItem.h"

namespace gx508 {

namespace {

constexpr std::array<std::string_view, 5> kMouseButtons{"L-Button", "R-Button", "M-Button",
                                                        "Button 4", "Button 5"};

bool IsSelection(const std::vector<std::string>& items, int selected) {
    return selected >= 0 && static_cast<std::size_t>(selected) < items.size();
}

// The common refusals of key, button and displacement insertion.
bool MayInsertEvent(const std::vector<std::string>& items, int selected) {
    if (items.size() >= static_cast<std::size_t>(kGunInsertLimit)) {
        return false;
    }
    return !IsSelection(items, selected) ||
           !ItemContains(items[static_cast<std::size_t>(selected)], kDisplacementXMark);
}

// Inserts the pair after the selection, or into an empty list. `selectFirst` selects the
// first of the pair instead of the second.
ItemEdit InsertPair(std::vector<std::string>& items, int selected, std::string first,
                    std::string second, bool selectFirst) {
    if (items.empty()) {
        items = {std::move(first), std::move(second)};
        return {true, 1, false};
    }
    items.insert(items.begin() + selected + 1, {std::move(first), std::move(second)});
    return {true, selectFirst ? selected + 1 : selected + 2, true};
}

// The index of the first item from `from` in steps of `step` that holds every one of `parts`.
std::optional<std::size_t> Find(const std::vector<std::string>& items, std::ptrdiff_t from,
                                std::ptrdiff_t step, std::string_view part1,
                                std::string_view part2) {
    for (std::ptrdiff_t i = from; i >= 0 && i < static_cast<std::ptrdiff_t>(items.size());
         i += step) {
        const std::string& item = items[static_cast<std::size_t>(i)];
        if (ItemContains(item, part1) && ItemContains(item, part2)) {
            return static_cast<std::size_t>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view GunMouseButtonName(int event) {
    return event >= 0 && event < static_cast<int>(kMouseButtons.size())
               ? kMouseButtons[static_cast<std::size_t>(event)]
               : std::string_view();
}

ItemEdit InsertGunKeyPair(std::vector<std::string>& items, int selected, std::string_view keyName) {
    if (keyName.empty() || !MayInsertEvent(items, selected)) {
        return {};
    }
    if (!items.empty() && !IsSelection(items, selected)) {
        return {false, 0, false};
    }
    return InsertPair(items, selected, PressItem(keyName), ReleaseItem(keyName), false);
}

ItemEdit InsertGunButtonPair(std::vector<std::string>& items, int selected, int event) {
    const std::string_view button = GunMouseButtonName(event);
    if (button.empty() || !MayInsertEvent(items, selected)) {
        return {};
    }
    if (!items.empty() && !IsSelection(items, selected)) {
        return {};
    }
    const bool afterDelay = !items.empty() && event != 4 &&
                            ItemContains(items[static_cast<std::size_t>(selected)], kDelayMark);
    return InsertPair(items, selected, PressItem(button), ReleaseItem(button), afterDelay);
}

ItemEdit InsertDisplacement(std::vector<std::string>& items, int selected, std::string_view x,
                            std::string_view y) {
    if (!MayInsertEvent(items, selected)) {
        return {};
    }
    if (!items.empty() && !IsSelection(items, selected)) {
        return {};
    }
    return InsertPair(items, selected, DisplacementXItem(x), DisplacementYItem(y), false);
}

ItemEdit InsertGunDelay(std::vector<std::string>& items, int selected) {
    if (items.size() >= static_cast<std::size_t>(kGunInsertLimit) ||
        !IsSelection(items, selected) || selected < 1) {
        return {};
    }
    const std::string& item = items[static_cast<std::size_t>(selected)];
    if (ItemContains(item, kDelayMark) || ItemContains(item, kDisplacementYMark)) {
        return {};
    }
    items.insert(items.begin() + selected, DelayItem(50));
    return {true, selected + 1, true};
}

ItemEdit DeleteGunItem(std::vector<std::string>& items, int selected) {
    if (!IsSelection(items, selected)) {
        return {};
    }
    const auto index = static_cast<std::size_t>(selected);
    const std::string& item = items[index];
    const std::ptrdiff_t at = selected;
    std::optional<std::size_t> partner;
    bool paired = true;
    switch (ClassifyMacroItem(item)) {
        case MacroItemKind::Press:
            partner = Find(items, at + 1, 1, MacroItemKeyName(item), kReleaseMarker);
            break;
        case MacroItemKind::Release:
            partner = Find(items, at - 1, -1, MacroItemKeyName(item), kPressMarker);
            break;
        case MacroItemKind::DisplacementX:
            partner = Find(items, at + 1, 1, kDisplacementYMark, kDisplacementYMark);
            break;
        case MacroItemKind::DisplacementY:
            partner = Find(items, at - 1, -1, kDisplacementXMark, kDisplacementXMark);
            break;
        case MacroItemKind::Delay:
        case MacroItemKind::Other:
            paired = false;
            break;
    }
    if (paired && !partner) {
        return {false, std::nullopt, true};
    }
    if (partner) {
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(std::max(index, *partner)));
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(std::min(index, *partner)));
    } else {
        items.erase(items.begin() + selected);
    }
    return {true, -1, true};
}

}  // namespace gx508
