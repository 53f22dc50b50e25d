// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MacroImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/gun/BuiltInGunMacros.h"
#include "core/macro/MacroEncoder.h"
#include "core/macro/MacroStore.h"
#include "core/store/IniFile.h"

namespace gx508 {

namespace {

struct SlotEntry {
    bool inUse = false;
    bool gun = false;
    int number = 0;
};

SlotEntry EntryOf(const SettingsBlock& block, int slot) {
    return {block.slot(SlotField::InUse, slot) == kSlotInUse,
            block.slot(SlotField::Kind, slot) != 0, block.slot(SlotField::MacroNumber, slot)};
}

bool IsBuiltIn(const SlotEntry& entry) {
    return entry.inUse && entry.gun && IsBuiltInGunMacro(entry.number);
}

bool IsStreamSlot(int slot) {
    return slot >= kFirstGunStreamSlot && slot <= kLastGunStreamSlot;
}

std::int64_t KeptLength(const SettingsBlock& block, int slot) {
    return std::min<std::int64_t>(block.slotLength(slot), kMacroSlotSize);
}

// The least a later stream slot will take: its built-in length, 4 for another bound slot,
// the kept length of a free one.
std::int64_t PlannedLength(const SettingsBlock& block, int slot) {
    const SlotEntry entry = EntryOf(block, slot);
    if (IsBuiltIn(entry)) {
        return static_cast<std::int64_t>(BuiltInGunMacro(entry.number).size());
    }
    return entry.inUse ? 4 : KeptLength(block, slot);
}

// The bytes slot `slot` may fill: the whole slot, or for a stream slot what the stream leaves
// after the slots before it (as built) and the least the slots after it take.
std::size_t RoomOf(const SettingsBlock& block, int slot) {
    if (!IsStreamSlot(slot)) {
        return kMacroSlotSize;
    }
    std::int64_t room = static_cast<std::int64_t>(kGunStreamLimit);
    for (int other = kFirstGunStreamSlot; other <= kLastGunStreamSlot; ++other) {
        if (other < slot) {
            room -= KeptLength(block, other);
        } else if (other > slot) {
            room -= PlannedLength(block, other);
        }
    }
    return static_cast<std::size_t>(std::clamp<std::int64_t>(room, 4, kMacroSlotSize));
}

}  // namespace

std::vector<CutMacro> BuildMacroImage(SettingsBlock& block, const std::filesystem::path& store,
                                      LogSink& log) {
    std::vector<CutMacro> cut;
    if (!FileExists(store)) {
        return cut;
    }
    const MacroStoreSnapshot snapshot = MacroStoreSnapshot::Load(store);
    for (int slot = 0; slot < kBuiltSlotCount; ++slot) {
        const std::span<std::uint8_t> area = block.macroArea(slot);
        std::fill(area.begin(), area.end(), std::uint8_t{0});
        const SlotEntry entry = EntryOf(block, slot);
        if (!entry.inUse) {
            continue;
        }
        const MacroKind kind = entry.gun ? MacroKind::Gun : MacroKind::Macro;
        const std::string name = snapshot.nameAt(kind, entry.number);
        if (IsBuiltIn(entry)) {
            const std::span<const std::uint8_t> image = BuiltInGunMacro(entry.number);
            std::copy(image.begin(), image.end(), area.begin());
            block.setSlotLength(slot, static_cast<std::uint16_t>(image.size()));
            log.Write(name + "\n");
            continue;
        }
        const LoadedMacro macro = snapshot.macro(name);
        const EncodedMacro encoded =
            EncodeMacro(area, RoomOf(block, slot), macro.loopText, macro.items, entry.gun);
        block.setSlotLength(slot, encoded.length);
        if (encoded.cut) {
            cut.push_back({slot, name, encoded.length});
            log.Write("Macro " + name + " in slot " + std::to_string(slot) + " cut to " +
                      std::to_string(encoded.length) + " bytes\n");
        }
        log.Write(name + "\n");
    }
    return cut;
}

void BuildMacroImage(SharedState& state) {
    BuildMacroImage(state.block, state.paths.macroStore, state.log);
}

}  // namespace gx508
