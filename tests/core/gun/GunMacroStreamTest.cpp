// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/GunMacroStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/gun/BuiltInGunMacros.h"

namespace gx508 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A block whose gun areas 6, 7 and 8 are filled with 0x66, 0x77 and 0x88.
SettingsBlock MarkedBlock(std::uint16_t l6, std::uint16_t l7, std::uint16_t l8) {
    SettingsBlock b;
    const std::uint8_t marks[] = {0x66, 0x77, 0x88};
    const std::uint16_t lengths[] = {l6, l7, l8};
    for (int k = 0; k < 3; ++k) {
        const auto area = b.macroArea(6 + k);
        std::fill(area.begin(), area.end(), marks[k]);
        b.setSlotLength(6 + k, lengths[k]);
    }
    b.setSlotLength(9, 500);  // slot 9 is never part of the stream
    return b;
}

// Lengths that fit give the stream of the sum; a slot that does not fit its area or what the
// stream has left is left out with length 0 and a note, and the later slots close up behind.
TEST(GunMacroStreamTest, BlocksFollowTheLengthsThatFit) {
    struct Case {
        std::uint16_t l6, l7, l8;
        std::uint16_t s6, s7, s8;  // the lengths sent
        int blocks;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 1},
        {4, 0, 0, 4, 0, 0, 1},
        {100, 28, 0, 100, 28, 0, 2},
        {128, 128, 0, 128, 128, 0, 3},
        {504, 292, 64, 504, 292, 64, 7},
        {1000, 600, 63, 1000, 600, 63, 13},
        {1000, 600, 64, 1000, 600, 0, 13},
        {1000, 700, 0, 1000, 0, 0, 8},
        {1000, 700, 600, 1000, 0, 600, 13},
        {65535, 10, 0, 0, 10, 0, 1},
        {3075, 0, 5, 0, 0, 5, 1},
    };
    for (const Case& c : cases) {
        SettingsBlock b = MarkedBlock(c.l6, c.l7, c.l8);
        SettingsBlock expectedBlock = MarkedBlock(c.s6, c.s7, c.s8);
        const GunMacroStream stream = BuildGunMacroStream(b, false);
        EXPECT_EQ(stream.blocks, c.blocks) << c.l6 << " " << c.l7 << " " << c.l8;
        EXPECT_EQ(b, expectedBlock) << "only the lengths left out change";
        const std::size_t leftOut = (c.s6 != c.l6) + (c.s7 != c.l7) + (c.s8 != c.l8);
        EXPECT_EQ(stream.notes.size(), leftOut) << c.l6 << " " << c.l7 << " " << c.l8;
        Bytes expected(c.s6, 0x66);
        expected.insert(expected.end(), c.s7, 0x77);
        expected.insert(expected.end(), c.s8, 0x88);
        expected.resize(static_cast<std::size_t>(c.blocks) * kGunStreamBlockSize, 0);
        EXPECT_EQ(stream.bytes, expected) << c.l6 << " " << c.l7 << " " << c.l8;
        EXPECT_LE(stream.bytes.size(), kGunStreamStagingSize);
    }
}

TEST(GunMacroStreamTest, RestoredDefaultsSendTheBuiltInsAndSetTheirLengths) {
    SettingsBlock b = MarkedBlock(3000, 3000, 3000);
    const GunMacroStream stream = BuildGunMacroStream(b, true);
    EXPECT_TRUE(stream.notes.empty());
    EXPECT_EQ(stream.blocks, 7);  // 860 bytes: six full blocks, the seventh with 92
    Bytes expected;
    for (int n = 0; n < 3; ++n) {
        const auto image = BuiltInGunMacro(n);
        expected.insert(expected.end(), image.begin(), image.end());
    }
    ASSERT_EQ(expected.size(), 860u);
    expected.resize(7 * kGunStreamBlockSize, 0);
    EXPECT_EQ(stream.bytes, expected);
    EXPECT_EQ(b.slotLength(6), 504);
    EXPECT_EQ(b.slotLength(7), 292);
    EXPECT_EQ(b.slotLength(8), 64);
    EXPECT_EQ(b.slotLength(9), 500);
    EXPECT_EQ(b.macroArea(6)[0], 0x66);  // the areas themselves stay as they were
}

}  // namespace
}  // namespace gx508
