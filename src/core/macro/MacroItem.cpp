// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroItem.h"

#include "core/store/LeadingNumber.h"

namespace gx508 {

namespace {

void RemoveAll(std::string& text, std::string_view part) {
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
}

}  // namespace

bool ItemContains(std::string_view item, std::string_view mark) {
    return item.find(mark) != std::string_view::npos;
}

MacroItemKind ClassifyMacroItem(std::string_view item) {
    if (ItemContains(item, kPressMarker)) {
        return MacroItemKind::Press;
    }
    if (ItemContains(item, kReleaseMarker)) {
        return MacroItemKind::Release;
    }
    if (ItemContains(item, kDisplacementXMark)) {
        return MacroItemKind::DisplacementX;
    }
    if (ItemContains(item, kDisplacementYMark)) {
        return MacroItemKind::DisplacementY;
    }
    if (ItemContains(item, kDelayMark)) {
        return MacroItemKind::Delay;
    }
    return MacroItemKind::Other;
}

std::string MacroItemKeyName(std::string_view item) {
    std::string name(item);
    RemoveAll(name, kPressMarker);
    RemoveAll(name, kReleaseMarker);
    return name;
}

std::int32_t MacroItemNumber(std::string_view item) {
    for (std::string_view mark : {kDisplacementXMark, kDisplacementYMark}) {
        if (const std::size_t at = item.find(mark); at != std::string_view::npos) {
            item.remove_prefix(at + mark.size());
            break;
        }
    }
    return LeadingNumber(item).value_or(0);
}

std::string PressItem(std::string_view name) {
    return std::string(name) + std::string(kPressMarker);
}

std::string ReleaseItem(std::string_view name) {
    return std::string(name) + std::string(kReleaseMarker);
}

std::string DelayItem(std::int32_t milliseconds) {
    return std::to_string(milliseconds) + " ms";
}

std::string DisplacementXItem(std::string_view amount) {
    return "X: " + std::string(amount);
}

std::string DisplacementYItem(std::string_view amount) {
    return "Y: " + std::string(amount);
}

}  // namespace gx508
