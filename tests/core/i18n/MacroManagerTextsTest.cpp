// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MacroManagerTexts.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

TEST(MacroManagerTextsTest, TextsPerLanguage) {
    struct Case {
        MacroManagerText text;
        Language language;
        std::string_view expected;
    };
    const Case cases[] = {
        {MacroManagerText::Title, Language::Cht, "巨集編輯器"},
        {MacroManagerText::Title, Language::De, "Makro-Manager"},
        {MacroManagerText::StartRecording, Language::En, "Start Recording"},
        {MacroManagerText::StopRecording, Language::Chs, "停止录制"},
        {MacroManagerText::InsertDelay, Language::En, "Inset Delay"},
        {MacroManagerText::InsertLeftButton, Language::De, "Linke Maustaste einfügen"},
        {MacroManagerText::Delete, Language::Chs, "刪除"},
        {MacroManagerText::Title, Language::None, ""},
        {MacroManagerText::CannotSave, Language::None,
         MacroManagerTextOf(MacroManagerText::CannotSave, Language::En)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroManagerTextOf(c.text, c.language), c.expected);
    }
    EXPECT_NE(MacroManagerTextOf(MacroManagerText::CannotSave, Language::En), "");
}

}  // namespace
}  // namespace gx508
