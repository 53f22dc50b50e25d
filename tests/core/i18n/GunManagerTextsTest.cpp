// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/GunManagerTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace gx508 {
namespace {

TEST(GunManagerTextsTest, ChineseForChineseAndGermanEnglishForEnglish) {
    struct Case {
        Language language;
        std::string title, options, displacement, word;
    };
    const Case cases[] = {
        {Language::En, "Gun Managent", "Recording Optoin", "Insert Cursor Displacements", "GUN"},
        {Language::Chs, "枪械管理器", "录制选择", "插入光标位移", "枪械"},
        {Language::Cht, "枪械管理器", "录制选择", "插入光标位移", "枪械"},
        {Language::De, "枪械管理器", "录制选择", "插入光标位移", "GUN"},
        {Language::None, "", "", "", "GUN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        EXPECT_EQ(GunManagerTextOf(GunManagerText::Title, c.language), c.title);
        EXPECT_EQ(GunManagerTextOf(GunManagerText::OptionsHeading, c.language), c.options);
        EXPECT_EQ(GunManagerTextOf(GunManagerText::InsertDisplacement, c.language), c.displacement);
        EXPECT_EQ(GunManagerTextOf(GunManagerText::NewNameWord, c.language), c.word);
        EXPECT_FALSE(GunManagerTextOf(GunManagerText::CannotSave, c.language).empty());
        EXPECT_FALSE(GunManagerTextOf(GunManagerText::KeepEditing, c.language).empty());
    }
    EXPECT_EQ(GunManagerTextOf(GunManagerText::Delete, Language::Chs), "删除");
    EXPECT_EQ(GunManagerTextOf(GunManagerText::StopRecording, Language::En), "Stop Recording");
}

TEST(GunManagerTextsTest, TheCutShortWarningNamesTheGunMacro) {
    EXPECT_EQ(GunCutShortText("GUN_4", Language::En),
              "The gun macros bound to buttons no longer fit the mouse: at Apply, \"GUN_4\" would "
              "be cut short. Shorten it, or bind fewer gun macros.");
    EXPECT_EQ(GunCutShortText("GUN_4", Language::None), GunCutShortText("GUN_4", Language::En));
    for (const Language language : {Language::Chs, Language::Cht, Language::De}) {
        const std::string text = GunCutShortText("枪械_4", language);
        EXPECT_NE(text.find("“枪械_4”会被截短"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace gx508
