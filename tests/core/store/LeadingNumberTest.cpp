// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/LeadingNumber.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {

TEST(LeadingNumberTest, ReadsTheNumberATextStartsWith) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const std::vector<Case> cases = {
        {"12", 12},
        {"12abc", 12},
        {"  7", 7},
        {"-3", -3},
        {"+4", 4},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"- 3", std::nullopt},
        {"100000000", 100000000},
        {"99999999999999999999", 2147483647},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace gx508
