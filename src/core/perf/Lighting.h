// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/store/SettingsBlock.h"

namespace gx508 {

// The three bytes of the lighting command (mode, parameter, third byte) for the block's
// lighting mode and level. Standard at the lowest brightness turns the lighting off.
std::array<std::uint8_t, 3> LightingCommandBytes(const SettingsBlock& block);

}  // namespace gx508
