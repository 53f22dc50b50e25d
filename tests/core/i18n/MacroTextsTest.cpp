// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MacroTexts.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

TEST(MacroTextsTest, WordsAndLimitMessagePerLanguage) {
    EXPECT_EQ(MacroTextOf(MacroText::NewMacroWord, Language::Chs), "宏");
    EXPECT_EQ(MacroTextOf(MacroText::NewMacroWord, Language::Cht), "巨集");
    EXPECT_EQ(MacroTextOf(MacroText::NewMacroWord, Language::En), "Macro");
    EXPECT_EQ(MacroTextOf(MacroText::NewMacroWord, Language::De), "Makro");
    EXPECT_EQ(MacroTextOf(MacroText::NewGunMacroWord, Language::Cht), "枪械");
    EXPECT_EQ(MacroTextOf(MacroText::NewGunMacroWord, Language::De), "GUN");
    EXPECT_EQ(MacroTextOf(MacroText::MacroLimitMessage, Language::En), "Up to 12 Macros Possible.");
    EXPECT_EQ(MacroTextOf(MacroText::MacroLimitCaption, Language::Cht), "注意！");
    EXPECT_EQ(MacroTextOf(MacroText::NewMacroWord, Language::None), "");
}

}  // namespace
}  // namespace gx508
