// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/store/SettingsBlock.h"

namespace gx508 {

// The four bytes a button sends in one key matrix, in wire order.
using KeyCode = std::array<std::uint8_t, 4>;

// 16 entries of 4 bytes: buttons 0..11 with buttons 1/2 and 7/11 swapped, two empty entries
// and two fixed ones.
inline constexpr std::size_t kKeyTableSize = 64;
using KeyTable = std::array<std::uint8_t, kKeyTableSize>;

inline constexpr int kKeyMatrixCount = 4;

// The code of button `button` in key matrix `matrix` (0..3; 1..4 on the wire), from its
// category and parameter in the block. Categories the mouse does not know give 00 00 00 00.
KeyCode ButtonDeviceCode(const SettingsBlock& block, int button, int matrix);

// The table entry that carries button `button` (0..11).
int KeyTableEntryOfButton(int button);

// The whole table of key matrix `matrix` (0..3).
KeyTable BuildKeyTable(const SettingsBlock& block, int matrix);

}  // namespace gx508
