// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gx508 {

// DPI index of a stage: 0..49 are 100..5000 DPI in steps of 100, 50..54 are 5200..6000 in steps
// of 200; 55 and above are not valid.
inline constexpr std::uint8_t kMaxDpiIndex = 54;

// The DPI a stage shows ("100" .. "6000"); empty for an index above 54.
std::string DpiIndexToText(int index);

// The index of a typed DPI value: leading decimal digits (none gives 0), clamped to 100..6000,
// then rounded down to the nearest value the mouse has.
std::uint8_t DpiTextToIndex(std::string_view text);

// The byte the mouse takes for a stage: the index (0x59..0x5D for 50..54) with bit 7 set when
// the stage is disabled; 0 for an index above 54 whatever the flag.
std::uint8_t DpiDeviceCode(int index, bool enabled);

}  // namespace gx508
