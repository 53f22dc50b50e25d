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

TEST(GunMacroStreamTest, BlocksFollowTheSumOfTheLengths) {
    struct Case {
        std::uint16_t l6, l7, l8;
        int blocks;  // 0: refused
    };
    const Case cases[] = {
        {0, 0, 0, 1},      {4, 0, 0, 1},        {100, 28, 0, 2},    {128, 128, 0, 3},
        {504, 292, 64, 7}, {1000, 600, 63, 13}, {1000, 600, 64, 0}, {65535, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SettingsBlock b = MarkedBlock(c.l6, c.l7, c.l8);
        const SettingsBlock before = b;
        const GunMacroStream stream = BuildGunMacroStream(b, false);
        EXPECT_EQ(stream.blocks, c.blocks) << c.l6 << " " << c.l7 << " " << c.l8;
        EXPECT_EQ(b, before);
        if (c.blocks == 0) {
            EXPECT_FALSE(stream.status);
            EXPECT_TRUE(stream.bytes.empty());
            continue;
        }
        EXPECT_TRUE(stream.status);
        Bytes expected(c.l6, 0x66);
        expected.insert(expected.end(), c.l7, 0x77);
        expected.insert(expected.end(), c.l8, 0x88);
        expected.resize(static_cast<std::size_t>(c.blocks) * kGunStreamBlockSize, 0);
        EXPECT_EQ(stream.bytes, expected) << c.l6 << " " << c.l7 << " " << c.l8;
        EXPECT_LE(stream.bytes.size(), kGunStreamStagingSize);
    }
}

TEST(GunMacroStreamTest, RestoredDefaultsSendTheBuiltInsAndSetTheirLengths) {
    SettingsBlock b = MarkedBlock(3000, 3000, 3000);
    const GunMacroStream stream = BuildGunMacroStream(b, true);
    ASSERT_TRUE(stream.status);
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
