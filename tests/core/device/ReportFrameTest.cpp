// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ReportFrame.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/device/WireTrace.h"

namespace gx508 {
namespace {

TEST(ReportFrameTest, FeatureFramesCarryReportIdZeroAndTheChecksum) {
    struct Case {
        CommandBytes c;
        std::uint8_t checksum;
    };
    const std::vector<Case> cases = {
        {{0x02}, 0xFD},
        {{0x0B, 0x02}, 0xF2},
        {{0x01, 0x02}, 0xFC},
        {{0x0E, 220, 220}, static_cast<std::uint8_t>(0xFF - ((0x0E + 220 + 220) & 0xFF))},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x55}, static_cast<std::uint8_t>(0xFF - 0xF9)},
    };
    for (const Case& k : cases) {
        const FeatureFrame frame = MakeFeatureFrame(k.c);
        EXPECT_EQ(frame[0], 0);
        EXPECT_EQ(frame[1], k.c[0]);
        EXPECT_EQ(frame[7], k.c[6]);
        EXPECT_EQ(frame[8], k.checksum) << TraceLine("frame", frame);
    }
}

TEST(ReportFrameTest, OutputFramesArePaddedToThirtyThreeBytes) {
    std::vector<std::uint8_t> payload(24, 0xAA);
    const OutputFrame frame = MakeOutputFrame(payload);
    EXPECT_EQ(frame[0], 0);
    EXPECT_EQ(frame[24], 0xAA);
    EXPECT_EQ(frame[25], 0x00);
    EXPECT_EQ(frame[32], 0x00);

    payload.assign(40, 0x11);
    EXPECT_EQ(MakeOutputFrame(payload)[32], 0x11) << "only the first 32 bytes fit";
    EXPECT_EQ(TraceLine("SET_FEATURE", MakeFeatureFrame({0x01, 0x02})),
              "SET_FEATURE 00 01 02 00 00 00 00 00 FC");
}

}  // namespace
}  // namespace gx508
