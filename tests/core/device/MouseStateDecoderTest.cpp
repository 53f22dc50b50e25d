// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MouseStateDecoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/device/ReportFrame.h"

namespace gx508 {
namespace {

WireEvent Feature(const CommandBytes& c) {
    const FeatureFrame frame = MakeFeatureFrame(c);
    return {WireEvent::Kind::SetFeature, {frame.begin(), frame.end()}};
}

// Reports cut short are counted and skipped, never read past their end; the whole frames
// around them decode as usual.
TEST(MouseStateDecoderTest, ReportsShorterThanTheirFrameAreCountedAndSkipped) {
    const std::vector<WireEvent> events{
        {WireEvent::Kind::SetFeature, {0x00, 0x01}},
        Feature({0x11, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00}),
        {WireEvent::Kind::Output, {0x00, 0x10, 0x20}},
        {WireEvent::Kind::SetFeature, {}},
        Feature({0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
    };
    const MouseState state = DecodeMouseState(events);
    EXPECT_EQ(state.shortReports, 3);
    EXPECT_EQ(state.reportRate, 0x03);
    EXPECT_FALSE(state.dpiCodes.has_value());
    EXPECT_EQ(state.badChecksums, 0);
    EXPECT_EQ(state.strayOutputs, 0);
}

}  // namespace
}  // namespace gx508
