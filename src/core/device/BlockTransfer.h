// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "core/device/Protocol.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

inline constexpr int kReportPauseMs = 100;   // after every 32-byte payload report
inline constexpr int kTransferPauseMs = 50;  // after every upload
inline constexpr std::size_t kMacroBlockSize = 128;

// Sends the header (c0 = code, c1 = sub-code, c2 = payload length, at most 255) as a feature
// report, then the payload in 32-byte output reports, each followed by 100 ms. The last report
// is padded with zeros.
void TransferBlock(CommandChannel& channel, std::uint8_t code, std::uint8_t sub,
                   std::span<const std::uint8_t> payload);

// Transfer 0x10: the six stage colours and the seventh colour, then 3 zero bytes. 50 ms after.
void UploadColours(CommandChannel& channel, const SettingsBlock& block);
// Transfer 0x11: the six DPI stage codes, then 2 zero bytes. 50 ms after.
void UploadDpiStages(CommandChannel& channel, const SettingsBlock& block);
// Transfer 0x12 of key matrix `matrix` (0..3): its key table; 50 ms after, and 50 more.
void UploadKeyMatrix(CommandChannel& channel, const SettingsBlock& block, int matrix);
// Transfers 0x13: blocks 1..5 from the first 128 bytes of macro areas 0..4, then the gun macro
// stream from block 6 on, `gunBlocks` blocks of 128 bytes (bytes past the stream's end are
// zero). 50 ms after each block.
void UploadMacros(CommandChannel& channel, const SettingsBlock& block,
                  std::span<const std::uint8_t> gunStream, int gunBlocks);

}  // namespace gx508
