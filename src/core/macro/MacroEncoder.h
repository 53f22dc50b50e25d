// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gx508 {

// The device format of one macro slot (3074 bytes; multi-byte counts big-endian):
//
//   offset 0   2 bytes   loop count 1..65535
//   offset 2   records, back to back, in playing order
//   then       00 00     end marker; the rest of the slot is zero
//
// Records (R = 0x80 for a release, 0 for a press; delay = pause after the event in ms):
//   key or button, delay <= 255     2 bytes  [R + delay/2] [code]
//   key or button, delay >= 256     6 bytes  [R + delay%50] [code] 00 02 [count hi] [count lo]
//   displacement,  delay <= 511     4 bytes  [delay/2] FA [X] [Y]
//   displacement,  delay >= 512     8 bytes  [delay%50] FA [X] [Y] 00 02 [count hi] [count lo]
// where count = delay/50 and X, Y are signed bytes.
//
// The meaningful length of a slot is 2 + the records + 2; an empty macro is all zero with
// length 4.

inline constexpr std::size_t kMacroSlotSize = 3074;
inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kDisplacementCode = 0xFA;
// The mouse's own codes of its fourth and fifth buttons, as its key tables use them for the
// forward and back functions: "Button 4" is the forward button, "Button 5" the back button.
inline constexpr std::uint8_t kButton4Code = 0xF4;
inline constexpr std::uint8_t kButton5Code = 0xF3;

inline constexpr std::int32_t kShortestKeyDelay = 10;          // also the default
inline constexpr std::int32_t kShortestDisplacementDelay = 2;  // also the default
// The longest pause a long record can carry (a count of 65535 units of 50 ms, plus 49 ms);
// longer delays are cut to it.
inline constexpr std::int32_t kLongestDelay = 65535 * 50 + 49;

// The code a key or button name is sent as: the key-code table's, with "Button 4" and
// "Button 5" added; 0 for a name missing from both.
std::uint8_t MacroEventCode(std::string_view name);

struct EncodedMacro {
    std::uint16_t length = 0;  // meaningful bytes, end marker included
    bool cut = false;          // records were left out for want of room
};

// Encodes a macro into `slot`, which is zeroed first. At most `room` bytes are meaningful
// (at least 4, at most the slot size): the records stop at the last whole record that leaves
// room for the end marker. Items are read as follows:
// - a press or release: the delay is the number of the next item when it contains "ms",
//   else 10; at least 10;
// - an "X:" item, when `displacements` is set: X is its number, Y the number of the next item
//   when that contains "Y:" (which is then consumed), else 0; the delay comes from the item
//   after that ("ms"), else 2; at least 2; X and Y are clamped to -128..127;
// - anything else writes nothing (a delay only serves the event before it).
// The loop count is the leading number of `loopText`, 1 when it is outside 1..65535. A macro
// without items leaves the slot all zero, length 4.
EncodedMacro EncodeMacro(std::span<std::uint8_t> slot, std::size_t room, std::string_view loopText,
                         std::span<const std::string> items, bool displacements);

}  // namespace gx508
