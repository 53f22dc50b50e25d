#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "core/Status.h"

namespace gx508 {

// Positions 0, 1 and 2 of the gun macro list are the built-in gun macros. Whatever their
// sections hold, the mouse gets the device images below for them, and the manager shows
// them read-only.
inline constexpr int kBuiltInGunMacroCount = 3;

bool IsBuiltInGunMacro(int position);

// The device image of built-in gun macro 0, 1 or 2 (504, 292 and 64 bytes: loop count 1,
// short records only, end marker included); empty for another number.
std::span<const std::uint8_t> BuiltInGunMacro(int number);

// Seeds the gun macro list of a store that has none ("GunMacroName" holds neither a count nor
// a first name) with the three built-in names, creating the file when it is missing. A store
// that has a gun macro list, even an empty one, is left alone.
Status SeedBuiltInGunMacroNames(const std::filesystem::path& store,
                                std::span<const std::string_view, 3> names);

}  // namespace gx508
