#include "core/perf/Lighting.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {
TEST(LightingTest, ModesAndLevelsGiveTheCommandBytes) {
    struct Case {
        std::uint8_t mode;
        std::uint8_t level;  // the level byte of that mode
        std::array<std::uint8_t, 3> bytes;
    };
    const std::vector<Case> cases = {
        {0, 0, {0, 0, 0}}, {1, 1, {0, 0, 0}}, {1, 5, {1, 5, 2}},
        {2, 1, {2, 4, 2}}, {2, 5, {2, 0, 2}}, {2, 6, {2, 0xFF, 2}},
        {3, 6, {3, 6, 0}}, {4, 9, {4, 9, 0}}, {9, 3, {9, 0, 0}},
    };
    for (const Case& c : cases) {
        SettingsBlock b;
        b.setByte(block::kLightingMode, c.mode);
        const std::size_t levelAt = c.mode == 1   ? block::kStandardBrightness
                                    : c.mode == 2 ? block::kRespirationPeriod
                                    : c.mode == 3 ? block::kNeonPeriod
                                                  : block::kLightingMode4Level;
        b.setByte(levelAt, c.level);
        EXPECT_EQ(LightingCommandBytes(b), c.bytes) << int{c.mode} << "/" << int{c.level};
    }
}

}  // namespace
}  // namespace gx508
