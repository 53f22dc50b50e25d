// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/ProfileTexts.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

TEST(ProfileTextsTest, ManagerTextsPerLanguage) {
    EXPECT_EQ(ProfileTextOf(ProfileText::Title, Language::En), "Configuration");
    EXPECT_EQ(ProfileTextOf(ProfileText::Title, Language::De), "Game Profil");
    EXPECT_EQ(ProfileTextOf(ProfileText::NewProfileWord, Language::Chs), "Profile");
    EXPECT_EQ(ProfileTextOf(ProfileText::NewProfileWord, Language::Cht), "設定檔");
    EXPECT_EQ(ProfileTextOf(ProfileText::NewProfileWord, Language::De), "Profil");
    EXPECT_EQ(ProfileTextOf(ProfileText::Copy, Language::Cht), "複製");
    EXPECT_EQ(ProfileTextOf(ProfileText::Save, Language::De), "Speichern");
    EXPECT_EQ(ProfileTextOf(ProfileText::LimitCaption, Language::Cht), "注意!");
    EXPECT_EQ(ProfileTextOf(ProfileText::LimitMessage, Language::Chs), "最多可以存储6个配置。");
    EXPECT_EQ(ProfileTextOf(ProfileText::LimitMessage, Language::En), "Up to 6 Profiles Possible.");
    EXPECT_EQ(ProfileTextOf(ProfileText::New, Language::None), "");
}

}  // namespace
}  // namespace gx508
