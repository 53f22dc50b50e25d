// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace gx508 {

// The two frames the program sends on the command collection. The collection uses no report
// ids, so every frame starts with report id 0: a feature report is always 9 bytes on the wire
// and an output report always 33, whatever the platform.
inline constexpr std::size_t kFeatureFrameSize = 9;
inline constexpr std::size_t kOutputFrameSize = 33;
inline constexpr std::size_t kOutputPayloadSize = 32;

using CommandBytes = std::array<std::uint8_t, 8>;  // c0..c7; c7 is never sent
using FeatureFrame = std::array<std::uint8_t, kFeatureFrameSize>;
using OutputFrame = std::array<std::uint8_t, kOutputFrameSize>;

// The bitwise complement of the 8-bit sum of c0..c6.
std::uint8_t CommandChecksum(const CommandBytes& c);

// Report id 0, c0..c6, checksum.
FeatureFrame MakeFeatureFrame(const CommandBytes& c);

// Report id 0, then up to 32 payload bytes; the rest of the frame is zero.
OutputFrame MakeOutputFrame(std::span<const std::uint8_t> payload);

}  // namespace gx508
