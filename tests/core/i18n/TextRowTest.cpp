// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/TextRow.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace gx508 {
namespace {

TEST(TextRowTest, EachLanguageReadsItsOwnColumnAndNoLanguageReadsNothing) {
    const TextRow row{"Apply", "保存", "套用", "Anwenden"};
    const std::pair<Language, std::string_view> cases[] = {
        {Language::En, "Apply"},    {Language::Chs, "保存"}, {Language::Cht, "套用"},
        {Language::De, "Anwenden"}, {Language::None, ""},
    };
    for (const auto& [language, text] : cases) {
        EXPECT_EQ(TextIn(row, language), text) << CodeOf(language);
    }
}

TEST(TextRowTest, AColumnLeftEmptyReadsEmpty) {
    const TextRow row{"OFF", "关闭", {}, {}};
    EXPECT_EQ(TextIn(row, Language::Chs), "关闭");
    EXPECT_EQ(TextIn(row, Language::Cht), "");
    EXPECT_EQ(TextIn(row, Language::De), "");
}

enum class Word { First, Second, Third };

TEST(TextRowTest, IdOrderHoldsOnlyWhenEveryRowSitsAtItsIdsValue) {
    constexpr TextRow kAny{"a", "b", "c", "d"};
    constexpr std::array<NamedTextRow<Word>, 3> kInOrder{
        {{Word::First, kAny}, {Word::Second, kAny}, {Word::Third, kAny}}};
    constexpr std::array<NamedTextRow<Word>, 3> kSwapped{
        {{Word::First, kAny}, {Word::Third, kAny}, {Word::Second, kAny}}};
    constexpr std::array<NamedTextRow<Word>, 2> kShifted{
        {{Word::Second, kAny}, {Word::Third, kAny}}};
    EXPECT_TRUE(FollowsIdOrder(kInOrder));
    EXPECT_FALSE(FollowsIdOrder(kSwapped));
    EXPECT_FALSE(FollowsIdOrder(kShifted));
}

}  // namespace
}  // namespace gx508
