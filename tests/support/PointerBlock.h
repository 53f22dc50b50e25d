// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SettingsBlock.h"

namespace gx508::test {

// A block whose pointer settings are the factory ones: precision off (255), lines per notch 3,
// pointer speed and double-click speed 6.
inline SettingsBlock DefaultPointerBlock() {
    SettingsBlock block;
    block.setByte(block::kEnhancePrecision, 255);
    block.setByte(block::kWheelScrollsScreen, 0);
    block.setByte(block::kPointerSpeed, 6);
    block.setByte(block::kWheelScrollLines, 3);
    block.setByte(block::kDoubleClickSpeed, 6);
    return block;
}

}  // namespace gx508::test
