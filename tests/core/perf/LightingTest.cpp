// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/Lighting.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace gx508 {
namespace {

using LightingBytes = std::array<std::uint8_t, 3>;

// A block in lighting mode `mode` whose four level bytes (54 is the mode; 55 brightness, 56 the
// respiration period, 57 the neon period, 58 the parameter of mode 4) all differ, so that the
// bytes sent show which of them the mode reads.
SettingsBlock LevelsBlock(std::uint8_t mode) {
    SettingsBlock b;
    b.setByte(54, mode);
    b.setByte(55, 4);
    b.setByte(56, 2);
    b.setByte(57, 6);
    b.setByte(58, 9);
    return b;
}

TEST(LightingTest, EachModeSendsItsOwnLevel) {
    struct Case {
        std::uint8_t mode;
        LightingBytes bytes;
    };
    const std::vector<Case> cases = {
        {0, {0, 0, 0}},  // off
        {1, {1, 4, 2}},  // Standard: the brightness
        {2, {2, 3, 2}},  // Respiration: 5 - period
        {3, {3, 6, 0}},  // Neon: the period
        {4, {4, 9, 0}},  // mode 4: its own parameter
        {9, {9, 0, 0}},  // unknown modes: the mode alone
        {255, {255, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LightingCommandBytes(LevelsBlock(c.mode)), c.bytes) << int{c.mode};
    }
}

TEST(LightingTest, TheFirstBrightnessMarkTurnsTheLightOff) {
    SettingsBlock b = LevelsBlock(1);
    b.setByte(55, 1);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{0, 0, 0}));
    b.setByte(55, 2);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{1, 2, 2}));
    b.setByte(55, 6);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{1, 6, 2})) << "past the last mark";
}

TEST(LightingTest, TheRespirationPeriodCountsDownFromFourAndPastTheLastMarkWraps) {
    SettingsBlock b = LevelsBlock(2);
    b.setByte(56, 1);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{2, 4, 2}));
    b.setByte(56, 5);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{2, 0, 2}));
    b.setByte(56, 6);
    EXPECT_EQ(LightingCommandBytes(b), (LightingBytes{2, 0xFF, 2}));
}

}  // namespace
}  // namespace gx508
