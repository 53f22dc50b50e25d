// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/LogSink.h"
#include "core/gun/GunMacroStream.h"
#include "core/store/SettingsBlock.h"
#include "core/store/SharedState.h"

namespace gx508 {

// The macro image: the device-format copy of every bound macro, in the settings block's macro
// areas, one slot of 3074 bytes each (format in MacroEncoder.h). The slot table of the block
// says what each slot holds:
//
//   slots 0..4   macros      (kind 0): macro number = position in "MacroName"
//   slot 5       never used
//   slots 6..9   gun macros  (kind 1): macro number = position in "GunMacroName"
//
// and in use = 1 marks a bound slot. The length word of a slot is its meaningful length.
// The upload sends the first 128 bytes of slots 0..4 and the gun macro stream built from
// slots 6..8 (GunMacroStream.h).

inline constexpr int kBuiltSlotCount = 10;  // slots 0..9 are built; areas 10 and 11 never
inline constexpr int kFirstMacroSlot = 0;
inline constexpr int kLastMacroSlot = 4;
inline constexpr int kFirstGunSlot = 6;
inline constexpr int kLastGunSlot = 9;
inline constexpr std::uint8_t kSlotInUse = 1;

// Rebuilds slots 0..9 from the slot table and the store. When the store file does not exist
// nothing changes. Otherwise every slot is zeroed; a slot not in use keeps its length word;
// for a slot in use:
// - kind 0 encodes the macro named at its macro number in "MacroName"; any other kind the
//   gun macro named in "GunMacroName", except that gun macros 0, 1 and 2 take the built-in
//   images and lengths 504, 292 and 64;
// - a macro number past the list reads an empty name and gives an all-zero slot, length 4;
// - a macro stops at the last whole record that fits its slot; gun macros in slots 6..8 also
//   stop where the three together would pass the gun stream limit (GunMacroStream.h),
//   leaving each later bound gun slot at least its built-in length or 4 bytes.
// Logs the name of every slot in use, and a line for every macro cut short; returns those.
struct CutMacro {
    int slot = 0;
    std::string name;
    std::uint16_t length = 0;  // the bytes it was cut to
};
std::vector<CutMacro> BuildMacroImage(SettingsBlock& block, const std::filesystem::path& store,
                                      LogSink& log);

// The same for the program's block, store file (paths.macroStore) and log.
void BuildMacroImage(SharedState& state);

}  // namespace gx508
