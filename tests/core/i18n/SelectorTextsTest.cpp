// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/SelectorTexts.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

struct TextCase {
    SelectorText text;
    Language language;
    std::string_view expected;
};

TEST(SelectorTextsTest, EachTextInEachLanguage) {
    const TextCase cases[] = {
        {SelectorText::MacroHint, Language::En, "Please select a macro!"},
        {SelectorText::MacroHint, Language::Chs, "请从列表框选择一个宏"},
        {SelectorText::GunHint, Language::En, "Please select a Gun!"},
        {SelectorText::GunHint, Language::Chs, "请从列表框选择一个枪械"},
        {SelectorText::GunHint, Language::Cht, "請先選擇巨集"},
        {SelectorText::GunHint, Language::De, "Bitte wählen Sie ein Makro aus!"},
        {SelectorText::Ok, Language::Cht, "確定"},
        {SelectorText::Cancel, Language::De, "Abbrechen"},
        {SelectorText::LoopUntilAnyKey, Language::En,
         "Macro runs endless loop until any button is pressed. "},
        {SelectorText::LoopWhileHeld, Language::Cht, "重覆執行至放開此鍵"},
        {SelectorText::Ok, Language::None, ""},
        {SelectorText::PlayOnce, Language::None, ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(SelectorTextOf(c.text, c.language), c.expected) << c.expected;
    }
}

TEST(SelectorTextsTest, PlayModesHaveTheirDescriptionAndNoOtherModeHasOne) {
    EXPECT_EQ(PlayModeText(0, Language::En), "Macro runs one-time after pressing the button.");
    EXPECT_EQ(PlayModeText(1, Language::De),
              "Makro endlos ausführen, bis erneuter Tastendruck erfolgt.");
    EXPECT_EQ(PlayModeText(2, Language::Chs), "重复直到该按键松开结束");
    EXPECT_EQ(PlayModeText(3, Language::En), "");
    EXPECT_EQ(PlayModeText(255, Language::Chs), "");
}

}  // namespace
}  // namespace gx508
