// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/Dpi.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {
TEST(DpiTest, IndexTextAndDeviceCode) {
    struct Case {
        int index;
        const char* text;
        std::uint8_t enabledCode;
        std::uint8_t disabledCode;
    };
    const std::vector<Case> cases = {
        {0, "100", 0x00, 0x80},   {4, "500", 0x04, 0x84},   {49, "5000", 0x31, 0xB1},
        {50, "5200", 0x59, 0xD9}, {54, "6000", 0x5D, 0xDD}, {55, "", 0x00, 0x00},
        {255, "", 0x00, 0x00},    {-1, "", 0x00, 0x00},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiIndexToText(c.index), c.text) << c.index;
        EXPECT_EQ(DpiDeviceCode(c.index, true), c.enabledCode) << c.index;
        EXPECT_EQ(DpiDeviceCode(c.index, false), c.disabledCode) << c.index;
    }
}

TEST(DpiTest, TypedValuesRoundDownToTheNearestStep) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"0", "100"},     {"", "100"},      {"99999", "6000"}, {"5150", "5200"}, {"5399", "5200"},
        {"5400", "5400"}, {"5999", "5800"}, {"4999", "4900"},  {"5099", "5000"}, {"5100", "5200"},
        {"6000", "6000"}, {"250", "200"},   {"12x", "100"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiIndexToText(DpiTextToIndex(c.typed)), c.shown) << c.typed;
    }
}

}  // namespace
}  // namespace gx508
