// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroNames.h"

#include <algorithm>
#include <cstdint>

#include "core/store/IniFile.h"
#include "core/store/LeadingNumber.h"
#include "core/store/TextEncoding.h"

namespace gx508 {

namespace {

constexpr std::size_t kLongestName = 1023;  // store values are read with 1024-unit buffers

bool Taken(std::string_view name, std::span<const std::string> names,
           std::span<const std::string> otherKindNames) {
    if (IsListSectionName(name)) {
        return true;
    }
    for (std::span<const std::string> list : {names, otherKindNames}) {
        for (const std::string& other : list) {
            if (SameSection(name, other)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool SameSection(std::string_view a, std::string_view b) {
    return SameIniName(a, b);
}

bool IsListSectionName(std::string_view name) {
    return SameSection(name, "MacroName") || SameSection(name, "GunMacroName");
}

bool IsStorableMacroName(std::string_view name) {
    if (name.empty() || TrimIniBlanks(name) != name) {
        return false;
    }
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            return false;
        }
    }
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
        name.back() == name.front()) {
        return false;
    }
    return text::PrefixOfUtf16Length(name, kLongestName).size() == name.size();
}

std::optional<std::string> NewMacroName(std::span<const std::string> names,
                                        std::span<const std::string> otherKindNames,
                                        std::string_view word) {
    if (names.size() >= static_cast<std::size_t>(kMaxMacros)) {
        return std::nullopt;
    }
    std::int64_t number = static_cast<std::int64_t>(names.size()) + 1;
    if (!names.empty()) {
        const std::string& last = names.back();
        if (const std::size_t underscore = last.find('_'); underscore != std::string::npos) {
            number = std::int64_t{LeadingNumber(last.substr(underscore + 1)).value_or(0)} + 1;
        }
    }
    // Each taken number is one listed name or a list section, so this ends within
    // names + otherKindNames + 3 steps.
    std::string name = std::string(word) + "_" + std::to_string(number);
    while (Taken(name, names, otherKindNames)) {
        ++number;
        name = std::string(word) + "_" + std::to_string(number);
    }
    return name;
}

NameEdit NameAfterEdit(std::span<const std::string> names, int position, std::string_view typed,
                       std::span<const std::string> otherKindNames) {
    const bool listed = position >= 0 && static_cast<std::size_t>(position) < names.size();
    const std::string oldName = listed ? names[static_cast<std::size_t>(position)] : std::string();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == typed) {
            const bool own = listed && i == static_cast<std::size_t>(position);
            return {oldName, own ? NameVerdict::Unchanged : NameVerdict::Duplicate};
        }
    }
    if (!IsStorableMacroName(typed)) {
        return {oldName, NameVerdict::NotStorable};
    }
    if (IsListSectionName(typed)) {
        return {oldName, NameVerdict::Reserved};
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool own = listed && i == static_cast<std::size_t>(position);
        if (!own && SameSection(typed, names[i])) {
            return {oldName, NameVerdict::Duplicate};
        }
    }
    for (const std::string& other : otherKindNames) {
        if (SameSection(typed, other)) {
            return {oldName, NameVerdict::OtherKind};
        }
    }
    return {std::string(typed), NameVerdict::Accepted};
}

bool LeavesOldSection(std::string_view previous, std::string_view renamed,
                      std::span<const std::string> names,
                      std::span<const std::string> otherKindNames) {
    const auto usesOld = [&](const std::string& name) { return SameSection(name, previous); };
    return !SameSection(renamed, previous) && std::ranges::none_of(names, usesOld) &&
           std::ranges::none_of(otherKindNames, usesOld);
}

}  // namespace gx508
