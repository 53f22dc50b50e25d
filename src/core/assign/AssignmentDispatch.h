// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/assign/AssignmentDialogs.h"
#include "core/store/SharedState.h"

namespace gx508 {

// Macro slots 0..4 hold macros; gun switch j plays the gun macro of slot 6 + j.
inline constexpr int kMacroSlotCount = 5;
inline constexpr int kFirstGunSlot = 6;
inline constexpr int kLastReleasableSlot = 9;

// The slot table's entries: a bound slot is in use 1; its kind tells a macro from a gun macro.
inline constexpr std::uint8_t kSlotUsed = 1;
inline constexpr std::uint8_t kKindMacro = 0;
inline constexpr std::uint8_t kKindGunMacro = 1;

// The gun macro items the mouse holds at most; the block keeps their total in one byte.
inline constexpr int kGunItemBudget = 420;

// Frees every gun switch bound to `button`: not assigned, bound to no button.
void ReleaseGunBindings(SettingsBlock& block, int button);

// Frees the first of slots 0..9 owned by `button`, if any: owner, in-use flag and macro number
// 255, kind 0; a gun slot (6..9) also gives its length back to the gun item total (modulo 256)
// and gets length 0. Only that one slot is freed.
void ReleaseMacroSlot(SettingsBlock& block, int button);

// The first free macro slot 0..4, or nothing when all five are in use.
std::optional<int> FreeMacroSlot(const SettingsBlock& block);

// The number of gun macro items the gun macro at `position` of the gun macro list takes: the
// built-in sizes 252, 146 and 32 for positions 0, 1 and 2, `itemCount` for the others.
int GunMacroSize(int position, int itemCount);

// Adds `size` items to the gun item total when the total plus `size` stays within
// kGunItemBudget (the total keeps its sum modulo 256); false, changing nothing, otherwise.
bool ReserveGunItems(SettingsBlock& block, int size);

// The "ItemCount" of the macro (or gun macro) section `name` in the macro store: its leading
// decimal number, 0 when it is missing or negative. A huge count is returned as read (at most
// INT32_MAX); callers compare it, they never loop over it.
int MacroItemCount(const std::filesystem::path& macroStore, std::string_view name);

// Handles a command of the assignment menu for button `button` (the button whose menu was
// open), opening the dialogs a function needs. Returns the button whose label to repaint when
// the command finishes (state.labels[button] then holds its label); nothing when the command
// stopped without finishing (a refusal, OK without a choice), is outside 1001..4000 (the inert
// items) or names no button. A refusal (no free macro slot, the gun item budget) shows its
// message and leaves the block as it was, the slot the button held included.
std::optional<int> DispatchAssignment(SharedState& state, int button, int command,
                                      AssignmentDialogs& dialogs);

}  // namespace gx508
