// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ApplySequence.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/device/BlockTransfer.h"
#include "core/device/KeyTable.h"
#include "core/device/MacroImage.h"
#include "core/perf/Lighting.h"
#include "core/store/BlockDefaults.h"
#include "core/store/SettingsFiles.h"

namespace gx508 {

namespace {

// The start of the macro image that the apply rebuilds and that Restore defaults keeps.
constexpr std::size_t kImageStartSize = devicebuf::kMacroImageCopySize;

void Set(CommandChannel& channel, const CommandBytes& c, std::initializer_list<int> pauses) {
    SetFeatureCommand(channel, c);
    for (int ms : pauses) {
        channel.pacer.Pause(ms);
    }
}

Status FirstFailure(std::initializer_list<Status> results) {
    for (const Status& s : results) {
        if (!s) {
            return s;
        }
    }
    return Status::Ok();
}

}  // namespace

Status ApplySettings(SharedState& state, CommandChannel& channel) {
    SettingsBlock& b = state.block;
    DeviceBuffer& d = state.device;
    std::fill_n(d.begin() + devicebuf::kApplyScratch, devicebuf::kApplyScratchSize, 0);
    d[devicebuf::kProfileReply] = 0;
    d[devicebuf::kStagedReportRate] = b.byte(block::kReportRate);

    Set(channel, {0x01, d[devicebuf::kStagedReportRate]}, {kCommandPauseMs, kSettlePauseMs});
    Set(channel,
        {0x0E, static_cast<std::uint8_t>(b.byte(block::kXSensitivity) * 20),
         static_cast<std::uint8_t>(b.byte(block::kYSensitivity) * 20)},
        {kCommandPauseMs, kSettlePauseMs});
    UploadDpiStages(channel, b);
    UploadColours(channel, b);
    for (int matrix = 0; matrix < 4; ++matrix) {
        std::fill_n(d.begin() + devicebuf::kKeyTable, devicebuf::kKeyTableClearSize, 0);
        const KeyTable table = BuildKeyTable(b, matrix);
        std::copy(table.begin(), table.end(), d.begin() + devicebuf::kKeyTable);
        UploadKeyMatrix(channel, b, matrix);
    }
    Set(channel, {0x02}, {kCommandPauseMs});

    std::fill_n(d.begin() + devicebuf::kMacroImageCopy, devicebuf::kMacroImageCopySize, 0);
    b.fill(block::kMacroImage, kImageStartSize, 0);
    BuildMacroImage(state);
    std::copy_n(b.bytes().begin() + block::kMacroImage, kImageStartSize,
                d.begin() + devicebuf::kMacroImageCopy);
    const GunMacroStream stream = BuildGunMacroStream(b, state.defaultsRestored);
    for (const std::string& note : stream.notes) {
        state.log.Write(note);
    }
    UploadMacros(channel, b, stream.bytes, stream.blocks);

    for (int s = 6; s <= 9; ++s) {
        const auto half = static_cast<std::uint16_t>(b.slotLength(s) >> 1);
        Set(channel,
            {0x04, static_cast<std::uint8_t>(half & 0xFF), static_cast<std::uint8_t>(half >> 8), 0,
             0, static_cast<std::uint8_t>(s - 6)},
            {kCommandPauseMs});
    }
    const auto lighting = LightingCommandBytes(b);
    Set(channel, {0x0D, lighting[0], lighting[1], lighting[2]}, {kCommandPauseMs});

    const Status saved = SaveProfileSettings(state);
    const Status labels = WriteSettingsIniItems(state);
    return FirstFailure({channel.firstError, saved, labels});
}

Status ApplyAndSave(SharedState& state, CommandChannel& channel, PointerBackend& pointer,
                    bool connected) {
    if (!connected) {
        return Status::Ok();
    }
    const Status applied = ApplySettings(state, channel);
    const Status saved = SaveProfileSettings(state);
    const Status labels = WriteSettingsIniItems(state);
    state.savePoint();
    ApplyPointerSettings(state.block, pointer, state.log);
    return FirstFailure({applied, saved, labels});
}

Status RestoreDefaults(SharedState& state, CommandChannel& channel, PointerBackend& pointer,
                       bool connected) {
    SettingsBlock& b = state.block;
    const std::uint8_t profileByte = b.byte(block::kProfileIndex);
    std::vector<std::uint8_t> imageStart(b.bytes().begin() + block::kMacroImage,
                                         b.bytes().begin() + block::kMacroImage + kImageStartSize);
    state.defaultsRestored = true;
    LoadProfileSettings(state);
    ApplyCodeDefaults(state);
    ReadSettingsIni(state);
    b.setByte(block::kProfileIndex, profileByte);
    std::copy(imageStart.begin(), imageStart.end(), b.bytes().begin() + block::kMacroImage);

    Status result;
    if (connected) {
        result = ApplyAndSave(state, channel, pointer, true);
    }
    const Status labels = WriteSettingsIniItems(state);
    Set(channel, {0x0B, 0x02}, {kCommandPauseMs});
    state.defaultsRestored = false;
    return FirstFailure({result, labels});
}

}  // namespace gx508
