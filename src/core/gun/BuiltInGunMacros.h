// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"
#include "core/i18n/LanguageTable.h"

namespace gx508 {

// Positions 0, 1 and 2 of the gun macro list are the built-in gun macros. Whatever their
// sections hold, the mouse gets the device images below for them, and the manager shows
// them read-only.
inline constexpr int kBuiltInGunMacroCount = 3;

bool IsBuiltInGunMacro(int position);

// The device image of built-in gun macro 0, 1 or 2 (504, 292 and 64 bytes: loop count 1,
// short records only, end marker included); empty for another number.
std::span<const std::uint8_t> BuiltInGunMacro(int number);

// Whether the store has a gun macro list: "GunMacroName" holds a count or a first name. A
// missing file has none.
bool HasGunMacroList(const std::filesystem::path& store);

// The names a store without a gun macro list gives the built-in gun macros: the default gun
// switch names of the table's language ("Snipe", "AKM", "Standard Gun" in English), the
// English ones for a language that has none.
std::array<std::string, kBuiltInGunMacroCount> BuiltInGunMacroNames(const LanguageTable& texts);

// Seeds the gun macro list of a store that has none ("GunMacroName" holds neither a count nor
// a first name) with the three built-in names, creating the file when it is missing. A store
// that has a gun macro list, even an empty one, is left alone.
Status SeedBuiltInGunMacroNames(const std::filesystem::path& store,
                                std::span<const std::string, kBuiltInGunMacroCount> names);

}  // namespace gx508
