// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/FontRule.h"

#include <gtest/gtest.h>

#include <string_view>

namespace gx508 {
namespace {

TEST(FontRuleTest, ChineseCodesTakeHeitiEveryOtherCodeArial) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"CHS", "黑体"}, {"CHT", "黑体"},  {"EN", "Arial"},
        {"DE", "Arial"}, {"chs", "Arial"}, {"", "Arial"},
    };
    for (const auto& [code, face] : cases) {
        EXPECT_EQ(FontFace(code), face) << '"' << code << '"';
    }
}

TEST(FontRuleTest, MainTextFontAsksForAnsiOnlyInTraditionalChinese) {
    const FontRule cht = MainTextFont("CHT");
    EXPECT_EQ(cht.face, "黑体");
    EXPECT_EQ(cht.height, 13);
    EXPECT_EQ(cht.weight, 400);
    EXPECT_EQ(cht.pitchAndFamily, 0x20);
    EXPECT_EQ(cht.charSet, FontRule::CharSet::Ansi);

    EXPECT_EQ(MainTextFont("CHS").charSet, FontRule::CharSet::Default);
    EXPECT_EQ(MainTextFont("cht").charSet, FontRule::CharSet::Default);
    EXPECT_EQ(MainTextFont("cht").face, "Arial");
}

TEST(FontRuleTest, MainSecondFontLeavesTheWeightUnspecified) {
    const FontRule cht = MainSecondFont("CHT");
    EXPECT_EQ(cht.face, "黑体");
    EXPECT_EQ(cht.height, 13);
    EXPECT_EQ(cht.weight, 0);
    EXPECT_EQ(cht.pitchAndFamily, 0x20);
    EXPECT_EQ(cht.charSet, FontRule::CharSet::Default);
    EXPECT_EQ(MainSecondFont("DE").face, "Arial");
}

}  // namespace
}  // namespace gx508
