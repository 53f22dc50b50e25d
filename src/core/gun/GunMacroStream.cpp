#include "core/gun/GunMacroStream.h"

#include <algorithm>
#include <cerrno>
#include <span>
#include <string>

#include "core/gun/BuiltInGunMacros.h"

namespace gx508 {

GunMacroStream BuildGunMacroStream(SettingsBlock& block, bool defaultsRestored) {
    std::vector<std::span<const std::uint8_t>> parts;
    std::size_t total = 0;
    for (int slot = kFirstGunStreamSlot; slot <= kLastGunStreamSlot; ++slot) {
        std::span<const std::uint8_t> part;
        if (defaultsRestored) {
            part = BuiltInGunMacro(slot - kFirstGunStreamSlot);
        } else {
            const std::span<const std::uint8_t> area = std::as_const(block).macroArea(slot);
            part = area.first(std::min<std::size_t>(block.slotLength(slot), area.size()));
        }
        total += part.size();
        parts.push_back(part);
    }
    GunMacroStream stream;
    if (total > kGunStreamLimit) {
        stream.status = Status::Error("the gun macro lengths add up to " + std::to_string(total) +
                                          " bytes, more than the stream holds",
                                      EINVAL);
        return stream;
    }
    if (defaultsRestored) {
        for (int slot = kFirstGunStreamSlot; slot <= kLastGunStreamSlot; ++slot) {
            block.setSlotLength(
                slot, static_cast<std::uint16_t>(
                          parts[static_cast<std::size_t>(slot - kFirstGunStreamSlot)].size()));
        }
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
