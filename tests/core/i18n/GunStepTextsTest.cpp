// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/GunStepTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gx508 {
namespace {

TEST(GunStepTextsTest, EachDialogsTextsPerLanguage) {
    struct Case {
        Language language;
        std::vector<std::string> key;     // title, prompt, OK, Cancel
        std::vector<std::string> mouse;   // title, OK, Cancel, events 0..4
        std::vector<std::string> cursor;  // title, OK, Cancel
    };
    const std::vector<std::string> englishKey = {"Insert Keyboard Key", "Please assign a key", "Ok",
                                                 "Cancel"};
    const std::vector<std::string> chineseMouse = {
        "插入鼠标动作", "确定", "取消", "左键", "右键", "中键", "前进方向键", "后退方向键"};
    const std::vector<std::string> englishCursor = {"Insert Cursor Displacements", "OK", "Cancel"};
    const std::vector<std::string> chineseCursor = {"插入光标位移", "确定", "取消"};
    const Case cases[] = {
        {Language::En,
         englishKey,
         {"Insert Mouse Event", "OK", "Cancel", "Left", "Right", "Middle", "Forward", "Back"},
         englishCursor},
        {Language::Chs,
         {"插入键盘动作", "请输入键盘按键", "确定", "取消"},
         chineseMouse,
         chineseCursor},
        {Language::Cht,
         {"插入键盘动作", "請指派一個鍵盤按鍵", "確定", "取消"},
         chineseMouse,
         chineseCursor},
        {Language::De,
         {"插入键盘动作", "Bitte wählen Sie eine Taste aus.", "OK", "Abbrechen"},
         {"枪械管理器", "确定", "取消", "左键", "右键", "中键", "前进方向键", "后退方向键"},
         englishCursor},
        {Language::None, englishKey, std::vector<std::string>(8), std::vector<std::string>(3)},
    };
    for (const Case& c : cases) {
        const auto text = [&c](GunStepText t) { return std::string(GunStepTextOf(t, c.language)); };
        EXPECT_EQ((std::vector{text(GunStepText::KeyTitle), text(GunStepText::KeyPrompt),
                               text(GunStepText::KeyOk), text(GunStepText::KeyCancel)}),
                  c.key);
        std::vector<std::string> mouse = {text(GunStepText::MouseTitle), text(GunStepText::MouseOk),
                                          text(GunStepText::MouseCancel)};
        for (int event = 0; event < 5; ++event) {
            mouse.emplace_back(GunMouseEventText(event, c.language));
        }
        EXPECT_EQ(mouse, c.mouse);
        EXPECT_EQ((std::vector{text(GunStepText::CursorTitle), text(GunStepText::CursorOk),
                               text(GunStepText::CursorCancel)}),
                  c.cursor);
        EXPECT_FALSE(text(GunStepText::CursorRefused).empty());
    }
    EXPECT_EQ(GunMouseEventText(-1, Language::En), "");
    EXPECT_EQ(GunMouseEventText(5, Language::En), "");
}

TEST(GunStepTextsTest, FontFollowsTheCode) {
    struct Case {
        std::string code;
        std::string face;
        int height;
    };
    const Case cases[] = {
        {"CHS", "宋体", 13}, {"CHT", "黑体", 13},  {"EN", "Arial", 14},
        {"DE", "Arial", 14}, {"chs", "Arial", 14},
    };
    for (const Case& c : cases) {
        const FontRule font = GunStepFont(c.code);
        EXPECT_EQ(font.face, c.face) << c.code;
        EXPECT_EQ(font.height, c.height) << c.code;
        EXPECT_EQ(font.weight, kNormalWeight) << c.code;
    }
}

}  // namespace
}  // namespace gx508
