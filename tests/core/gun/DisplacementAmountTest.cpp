// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/DisplacementAmount.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace gx508 {
namespace {

TEST(DisplacementAmountTest, OnlyWholeDecimalNumbersOfASignedByteAreAmounts) {
    struct Case {
        std::string_view text;
        std::optional<int> amount;
    };
    const Case cases[] = {
        {"0", 0},
        {"-128", -128},
        {"127", 127},
        {"-5", -5},
        {"007", 7},
        {"-129", std::nullopt},
        {"128", std::nullopt},
        {"99999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+5", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"5px", std::nullopt},
        {"1.5", std::nullopt},
        {"--5", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDisplacement(c.text), c.amount) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace gx508
