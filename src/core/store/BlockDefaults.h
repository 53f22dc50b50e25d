// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SharedState.h"

namespace gx508 {

// The profile position whose code defaults use the gaming button map.
inline constexpr int kGamingProfile = 1;

// Run once before the first settings file is read: frees every macro slot and gun switch
// binding of the block and sets gun names 0..2 to the current language's predefined gun
// macro names (name 3 keeps its value).
void StartupReset(SharedState& state);

// The factory settings, written over the block after Restore defaults has loaded the base
// settings file. Bytes they do not name keep what the base file held. The button map is the
// gaming one when the current profile is kGamingProfile, the standard one otherwise.
void ApplyCodeDefaults(SharedState& state);

}  // namespace gx508
