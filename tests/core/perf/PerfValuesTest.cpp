// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/PerfValues.h"

#include <gtest/gtest.h>

#include <string>

#include "core/perf/Dpi.h"

namespace gx508 {
namespace {

TEST(PerfValuesTest, ExactlyTheFiftyFiveDpiValuesOfTheMouseHaveAnIndex) {
    int found = 0;
    for (int dpi = 0; dpi <= 7000; ++dpi) {
        const auto index = DpiIndexOfValue(dpi);
        const bool onStep = (dpi >= 100 && dpi <= 5000 && dpi % 100 == 0) ||
                            (dpi >= 5200 && dpi <= 6000 && dpi % 200 == 0);
        ASSERT_EQ(index.has_value(), onStep) << dpi;
        if (index) {
            EXPECT_EQ(DpiIndexToText(*index), std::to_string(dpi));
            ++found;
        }
    }
    EXPECT_EQ(found, kMaxDpiIndex + 1);
}

TEST(PerfValuesTest, ReportRatesAndTheirCodesGoBothWays) {
    for (const int hertz : {125, 250, 500, 1000}) {
        const auto code = ReportRateCodeOfHz(hertz);
        ASSERT_TRUE(code.has_value()) << hertz;
        EXPECT_EQ(ReportRateHz(*code), hertz);
    }
    EXPECT_FALSE(ReportRateCodeOfHz(0).has_value());
    EXPECT_FALSE(ReportRateCodeOfHz(2000).has_value());
    EXPECT_EQ(ReportRateHz(0), 0);
    EXPECT_EQ(ReportRateHz(3), 333);
}

TEST(PerfValuesTest, WholeNumbersAreDigitsOnly) {
    EXPECT_EQ(ParseWholeNumber("0"), 0);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
    EXPECT_EQ(ParseWholeNumber("999999999"), 999999999);
    for (const char* bad : {"", "-1", "+1", " 1", "1 ", "1e3", "0x10", "1234567890"}) {
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
    }
}

TEST(PerfValuesTest, TypedWheelLinesOutsideTheRangeBecomeOne) {
    struct Case {
        const char* typed;
        int lines;
        bool replaced;
    };
    for (const Case& c :
         {Case{"0", 1, true}, Case{"101", 1, true}, Case{"", 1, true}, Case{"1", 1, false},
          Case{"100", 100, false}, Case{"7", 7, false}, Case{"99999", 1, true}}) {
        const TypedWheelLines read = ReadTypedWheelLines(c.typed);
        EXPECT_EQ(read.lines, c.lines) << c.typed;
        EXPECT_EQ(read.replaced, c.replaced) << c.typed;
    }
}

}  // namespace
}  // namespace gx508
