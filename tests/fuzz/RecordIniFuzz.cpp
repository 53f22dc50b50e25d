// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzTarget.h"
#include "core/LogSink.h"
#include "core/device/MacroImage.h"
#include "core/gun/GunMacroStream.h"
#include "core/macro/MacroStore.h"
#include "core/store/SettingsBlock.h"

// Any bytes as record.ini, through to the macro image and the gun stream: every listed macro
// loads, every slot of the block can be bound, and the gun stream never passes its limit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gx508;
    const auto store = fuzz::ScratchFolder() / "record.ini";
    fuzz::WriteInput(store, data, size);

    for (const MacroKind kind : {MacroKind::Macro, MacroKind::Gun}) {
        for (const std::string& name : ListMacroNames(store, kind)) {
            (void)LoadMacro(store, name);
        }
    }

    static SettingsBlock block;
    block = SettingsBlock{};
    // Slots 0..4 hold macros and 6..9 gun macros; the macro numbers come from the input so
    // that names past the end of the lists are asked for too.
    for (int slot = 0; slot < block::kSlotCount; ++slot) {
        if (slot == 5 || slot > 9) {
            continue;
        }
        const std::uint8_t pick = size > 0 ? data[static_cast<std::size_t>(slot) % size] : 0;
        block.setSlot(SlotField::InUse, slot, 1);
        block.setSlot(SlotField::Kind, slot, slot < 5 ? 0 : 1);
        block.setSlot(SlotField::MacroNumber, slot, static_cast<std::uint8_t>(pick % 8));
    }
    NullLog log;
    BuildMacroImage(block, store, log);
    const GunMacroStream stream = BuildGunMacroStream(block, false);
    fuzz::Require(stream.bytes.size() <= kGunStreamStagingSize, "the gun stream fits its area");
    return 0;
}
