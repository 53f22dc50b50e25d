// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/GunMacroStream.h"

#include <algorithm>
#include <span>
#include <string>

#include "core/gun/BuiltInGunMacros.h"

namespace gx508 {

GunMacroStream BuildGunMacroStream(SettingsBlock& block, bool defaultsRestored) {
    GunMacroStream stream;
    std::vector<std::span<const std::uint8_t>> parts;
    std::size_t total = 0;
    for (int slot = kFirstGunStreamSlot; slot <= kLastGunStreamSlot; ++slot) {
        std::span<const std::uint8_t> part;
        if (defaultsRestored) {
            part = BuiltInGunMacro(slot - kFirstGunStreamSlot);
        } else {
            const std::span<const std::uint8_t> area = std::as_const(block).macroArea(slot);
            const std::size_t length = block.slotLength(slot);
            if (length > area.size() || total + length > kGunStreamLimit) {
                stream.notes.push_back("Gun macro in slot " + std::to_string(slot) + " (" +
                                       std::to_string(length) +
                                       " bytes) does not fit the gun stream; not sent\n");
            } else {
                part = area.first(length);
            }
        }
        block.setSlotLength(slot, static_cast<std::uint16_t>(part.size()));
        total += part.size();
        parts.push_back(part);
    }
    stream.blocks = static_cast<int>(total / kGunStreamBlockSize + 1);
    stream.bytes.assign(static_cast<std::size_t>(stream.blocks) * kGunStreamBlockSize, 0);
    auto at = stream.bytes.begin();
    for (const std::span<const std::uint8_t> part : parts) {
        at = std::copy(part.begin(), part.end(), at);
    }
    return stream;
}

}  // namespace gx508
