// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/BlockTransfer.h"

#include <algorithm>
#include <array>

#include "core/device/KeyTable.h"
#include "core/perf/Dpi.h"

namespace gx508 {

void TransferBlock(CommandChannel& channel, std::uint8_t code, std::uint8_t sub,
                   std::span<const std::uint8_t> payload) {
    payload = payload.first(std::min<std::size_t>(payload.size(), 255));
    SetFeatureCommand(channel, CommandBytes{code, sub, static_cast<std::uint8_t>(payload.size())});
    for (std::size_t at = 0; at < payload.size(); at += kOutputPayloadSize) {
        const OutputFrame frame = MakeOutputFrame(payload.subspan(at));
        channel.note(channel.device != nullptr ? channel.device->Write(frame)
                                               : Status::Error("the mouse is not open"));
        channel.pacer.Pause(kReportPauseMs);
    }
}

void UploadColours(CommandChannel& channel, const SettingsBlock& block) {
    std::array<std::uint8_t, 24> payload{};
    for (std::size_t k = 0; k < 21; ++k) {
        payload[k] = block.byte(block::kStageColour + k);
    }
    TransferBlock(channel, 0x10, 0x01, payload);
    channel.pacer.Pause(kTransferPauseMs);
}

void UploadDpiStages(CommandChannel& channel, const SettingsBlock& block) {
    std::array<std::uint8_t, 8> payload{};
    for (int s = 0; s < block::kStageCount; ++s) {
        payload[static_cast<std::size_t>(s)] = DpiDeviceCode(
            block.dpiIndex(s), block.byte(block::kStageEnabled + static_cast<std::size_t>(s)) != 0);
    }
    TransferBlock(channel, 0x11, 0x06, payload);
    channel.pacer.Pause(kTransferPauseMs);
}

void UploadKeyMatrix(CommandChannel& channel, const SettingsBlock& block, int matrix) {
    const KeyTable table = BuildKeyTable(block, matrix);
    TransferBlock(channel, 0x12, static_cast<std::uint8_t>(matrix + 1), table);
    channel.pacer.Pause(kTransferPauseMs);
    channel.pacer.Pause(kTransferPauseMs);
}

void UploadMacros(CommandChannel& channel, const SettingsBlock& block,
                  std::span<const std::uint8_t> gunStream, int gunBlocks) {
    for (int b = 1; b <= 5; ++b) {
        TransferBlock(channel, 0x13, static_cast<std::uint8_t>(b),
                      block.macroArea(b - 1).first(kMacroBlockSize));
        channel.pacer.Pause(kTransferPauseMs);
    }
    std::array<std::uint8_t, kMacroBlockSize> chunk{};
    for (int j = 0; j < gunBlocks; ++j) {
        chunk.fill(0);
        const std::size_t from = kMacroBlockSize * static_cast<std::size_t>(j);
        if (from < gunStream.size()) {
            const std::size_t n = std::min(kMacroBlockSize, gunStream.size() - from);
            std::copy_n(gunStream.begin() + static_cast<std::ptrdiff_t>(from), n, chunk.begin());
        }
        TransferBlock(channel, 0x13, static_cast<std::uint8_t>(6 + j), chunk);
        channel.pacer.Pause(kTransferPauseMs);
    }
}

}  // namespace gx508
