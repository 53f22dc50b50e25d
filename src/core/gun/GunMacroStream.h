// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/SettingsBlock.h"

namespace gx508 {

// The gun macro stream: the meaningful bytes of gun slots 6, 7 and 8 laid end to end, which
// the macro upload sends as 128-byte blocks numbered 6, 7, ... (transfer 0x13). Slot 9 is not
// part of it (only its length is sent).

inline constexpr int kFirstGunStreamSlot = 6;
inline constexpr int kLastGunStreamSlot = 8;
inline constexpr std::size_t kGunStreamBlockSize = 128;
inline constexpr std::uint8_t kFirstGunStreamBlock = 6;
// The staging area holds 1680 bytes; a stream of up to 1663 meaningful bytes is sent as at
// most 13 blocks (1664 bytes), which stay inside it.
inline constexpr std::size_t kGunStreamStagingSize = 1680;
inline constexpr std::size_t kGunStreamLimit = 1663;
static_assert((kGunStreamLimit / kGunStreamBlockSize + 1) * kGunStreamBlockSize <=
              kGunStreamStagingSize);

struct GunMacroStream {
    std::vector<std::uint8_t> bytes;  // blocks x 128 bytes
    int blocks = 0;                   // sent as blocks 6 .. 6 + blocks - 1
    std::vector<std::string> notes;   // one line for each slot left out, for the log
};

// The stream, in bytes: with L6, L7, L8 the length words of slots 6..8, the first L6 bytes of
// macro area 6, then L7 of area 7, then L8 of area 8, then zeros up to n × 128 bytes, where
// n = (L6 + L7 + L8) / 128 + 1 (one block more than the full ones: 256 bytes give 3 blocks,
// the last all zero; 0 bytes give one zero block). Block 6 + j carries bytes 128 j .. 128 j + 127.
//
// While `defaultsRestored` is set (an apply inside Restore defaults) the three built-in gun
// macro images stand in for the areas, and the length words of slots 6..8 become 504, 292
// and 64 (860 bytes, 7 blocks).
//
// The lengths the mouse is told always describe bytes it receives. A slot whose length passes
// its 3074-byte area, or whose bytes would take the stream past kGunStreamLimit after the
// slots before it, is left out: its length word becomes 0 and a note says so. A built image
// never needs that (BuildMacroImage keeps the three within the limit); such lengths come from
// a loaded file without a build, and the gun macros that do fit still go out whole.
GunMacroStream BuildGunMacroStream(SettingsBlock& block, bool defaultsRestored);

}  // namespace gx508
