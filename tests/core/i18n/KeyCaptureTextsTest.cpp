// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/KeyCaptureTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace gx508 {
namespace {

TEST(KeyCaptureTextsTest, TextsPerLanguage) {
    struct Case {
        Language language;
        std::string prompt;
        std::string ok;
        std::string cancel;
    };
    const Case cases[] = {
        {Language::En, "Please assign a key", "Ok", "Cancel"},
        {Language::Chs, "请输入一个按键", "确定", "取消"},
        {Language::Cht, "請指派一個鍵盤按鍵", "確定", "取消"},
        {Language::De, "Bitte wählen Sie eine Taste aus.", "OK", "Abbrechen"},
        {Language::None, "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCaptureTextOf(KeyCaptureText::Prompt, c.language), c.prompt);
        EXPECT_EQ(KeyCaptureTextOf(KeyCaptureText::Ok, c.language), c.ok);
        EXPECT_EQ(KeyCaptureTextOf(KeyCaptureText::Cancel, c.language), c.cancel);
    }
}

TEST(KeyCaptureTextsTest, FontFollowsTheCodeAndTheFailureCarriesItsCode) {
    struct Case {
        std::string code;
        std::string face;
        int height;
    };
    const Case cases[] = {
        {"CHS", "黑体", 13}, {"CHT", "黑体", 13},  {"EN", "Arial", 14},
        {"DE", "Arial", 14}, {"chs", "Arial", 14},
    };
    for (const Case& c : cases) {
        const FontRule font = KeyCaptureFont(c.code);
        EXPECT_EQ(font.face, c.face) << c.code;
        EXPECT_EQ(font.height, c.height) << c.code;
        EXPECT_EQ(font.weight, kNormalWeight) << c.code;
    }
    EXPECT_EQ(KeyCaptureFailedText(1), "JournalRecordHook Install error code :1\n");
}

}  // namespace
}  // namespace gx508
