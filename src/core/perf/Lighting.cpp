// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/Lighting.h"

namespace gx508 {

std::array<std::uint8_t, 3> LightingCommandBytes(const SettingsBlock& block) {
    const std::uint8_t mode = block.byte(block::kLightingMode);
    switch (mode) {
        case 0:
            return {0, 0, 0};
        case 1: {
            const std::uint8_t brightness = block.byte(block::kStandardBrightness);
            if (brightness == 1) {
                return {0, 0, 0};
            }
            return {1, brightness, 2};
        }
        case 2:
            return {2, static_cast<std::uint8_t>(5 - block.byte(block::kRespirationPeriod)), 2};
        case 3:
            return {3, block.byte(block::kNeonPeriod), 0};
        case 4:
            return {4, block.byte(block::kLightingMode4Level), 0};
        default:
            return {mode, 0, 0};
    }
}

}  // namespace gx508
