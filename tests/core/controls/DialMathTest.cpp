// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/DialMath.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {

TEST(DialMathTest, ArcSectorsRunFromElevenOnTheRightToOneOnTheLeft) {
    struct Case {
        int x, y;
        int value;
    };
    const std::vector<Case> cases = {
        {121 + 60, 91, 11},                           // on the centre line, right: 12 limited to 11
        {121 - 60, 91, 1},                            // on the centre line, left
        {121, 91 - 60, 7},                            // the top: 12 - 90 / 18
        {121 + 50, 91 - 10, 11}, {121 + 43, 91, 11},  // inner edge
        {121 + 71, 91, 11},                           // outer edge
        {121 + 30, 91 - 52, 8},                       // 60.02 degrees
        {121 - 30, 91 - 52, 5},                       // 119.98 degrees
        {121 - 60, 91 - 10, 2},                       // 170.5 degrees
        {121 - 60, 91 - 4, 1},                        // 176.2 degrees
    };
    for (const Case& c : cases) {
        const ArcClick click = SpeedArcClick(c.x, c.y, 6);
        EXPECT_TRUE(click.handled) << c.x << "," << c.y;
        EXPECT_TRUE(click.angle.has_value()) << c.x << "," << c.y;
        EXPECT_EQ(click.value, c.value) << c.x << "," << c.y;
    }
}

TEST(DialMathTest, ArcIgnoresClicksBelowTheLineAndOnlyLimitsOffTheRing) {
    EXPECT_FALSE(SpeedArcClick(121 + 60, 92, 6).handled);
    EXPECT_FALSE(SpeedArcClick(121 - 60, 120, 6).handled);
    const ArcClick inside = SpeedArcClick(121, 91 - 20, 6);
    EXPECT_TRUE(inside.handled);
    EXPECT_FALSE(inside.angle.has_value());
    EXPECT_EQ(inside.value, 6);
    EXPECT_EQ(SpeedArcClick(121, 91 - 42, 0).value, 1);
    EXPECT_EQ(SpeedArcClick(121, 91 - 72, 200).value, 11);
    EXPECT_EQ(SpeedArcClick(121, 91, 30).value, 11) << "the centre is off the ring";
}

TEST(DialMathTest, DialQuartersPickTheirRatesOnTheRingOnly) {
    struct Case {
        int x, y;
        std::optional<std::uint8_t> code;
    };
    const std::vector<Case> cases = {
        {121 + 30, 66 - 30, 1},
        {121 - 30, 66 - 30, 8},
        {121 - 30, 66 + 30, 4},
        {121 + 30, 66 + 30, 2},
        {121 + 21, 66 - 28, 1},             // exactly 35 from the centre
        {121 - 21, 66 + 28, 4},             // exactly 35
        {121 + 45, 66 + 45, 2},             // 63.6, inside the outer edge
        {121 + 46, 66 + 45, std::nullopt},  // 64.4, outside the dial
        {121 + 20, 66 - 20, std::nullopt},  // the inner circle
        {121, 66, std::nullopt},            // the centre
        {121 + 50, 66, std::nullopt},       // on an axis
        {121, 66 - 50, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportRateDialCode(c.x, c.y), c.code) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace gx508
