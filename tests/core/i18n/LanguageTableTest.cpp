// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/LanguageTable.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace gx508 {
namespace {

Text TextAt(std::size_t index) {
    return static_cast<Text>(index);
}

struct SelectionCase {
    std::string_view code;
    Language language;
    std::string_view labelSection;
    std::string_view apply;
};

TEST(LanguageTableTest, CodeSelectsLanguageLabelSectionAndTexts) {
    const SelectionCase cases[] = {
        {"CHS", Language::Chs, "Setting-CHS", "保存"},
        {"CHT", Language::Cht, "Setting-CHT", "套用"},
        {"EN", Language::En, "Setting-EN", "Apply"},
        {"DE", Language::De, "Setting-DE", "Anwenden"},
        {"chs", Language::None, "", ""},
        {"", Language::None, "", ""},
        {"EN ", Language::None, "", ""},
    };
    for (const SelectionCase& c : cases) {
        const LanguageTable table = LanguageTable::For(c.code);
        EXPECT_EQ(table.language(), c.language) << '"' << c.code << '"';
        EXPECT_EQ(table.labelSection(), c.labelSection) << '"' << c.code << '"';
        EXPECT_EQ(table[Text::Apply], c.apply) << '"' << c.code << '"';
    }
}

TEST(LanguageTableTest, UnrecognisedCodeLeavesEveryEntryEmpty) {
    for (const LanguageTable& table : {LanguageTable(), LanguageTable::For("chs")}) {
        for (std::size_t i = 0; i < kTextCount; ++i) {
            EXPECT_EQ(table[TextAt(i)], "") << "entry " << i;
        }
    }
}

TEST(LanguageTableTest, EnglishAndSimplifiedChineseDefineEveryEntry) {
    for (std::string_view code : {"EN", "CHS"}) {
        const LanguageTable table = LanguageTable::For(code);
        for (std::size_t i = 0; i < kTextCount; ++i) {
            EXPECT_FALSE(table[TextAt(i)].empty()) << code << " entry " << i;
        }
    }
}

TEST(LanguageTableTest, TraditionalChineseAndGermanLackOnlyOffAndOn) {
    for (std::string_view code : {"CHT", "DE"}) {
        const LanguageTable table = LanguageTable::For(code);
        for (std::size_t i = 0; i < kTextCount; ++i) {
            const Text id = TextAt(i);
            const bool undefined = id == Text::Off || id == Text::On;
            EXPECT_EQ(table[id].empty(), undefined) << code << " entry " << i;
        }
    }
}

struct EntryCase {
    std::string_view code;
    Text id;
    std::string_view text;
};

TEST(LanguageTableTest, EntriesHoldTheProgramsTextsByteForByte) {
    const EntryCase cases[] = {
        {"CHS", Text::Gx508GamingMouse, "VelmoraGX508鼠标"},
        {"CHT", Text::Config, "遊戲設定檔"},
        {"DE", Text::TopView, "Top view"},
        {"CHS", Text::BackView, "背面"},
        {"CHS", Text::BackFunction, "后退方向键"},
        {"DE", Text::BackView, "Back"},
        {"DE", Text::BackFunction, "Zurück"},
        {"CHT", Text::AxisSensitivity, "xy 軸靈敏度"},
        {"EN", Text::SwitchDpiFirstStage, "Switch DPI into the first stage "},
        {"CHT", Text::SwitchDpiSevenStage, "DPI切換到第七段 "},
        {"DE", Text::SwitchDpiSixthStage, "Switch DPI into the sixth stage "},
        {"CHS", Text::MouseNotDetected, "系统没有检测到游戏鼠标GX508！"},
        {"CHT", Text::DpiSetting, "DPI  設定"},
        {"EN", Text::ScrollOneScreen, "Scroll One screenn"},
        {"CHS", Text::On, "开启"},
        {"EN", Text::Off, "OFF"},
        {"EN", Text::Scroll, "Scroll "},
        {"DE", Text::Menu, "Menü"},
        {"EN", Text::GunManagementPlus, "Gun Managent +"},
        {"DE", Text::AssignKeyboardKey, "Keyboard-Taste zuweisen +"},
        {"CHT", Text::Macro, "巨集鍵"},
        {"EN", Text::Run, "RUN"},
        {"CHT", Text::FireMode, "开火模式"},
        {"CHS", Text::StandardKeySwitch, "标准键切换"},
        {"EN", Text::AtLeastOneClickButton,
         "At least one button must be set as the \"click\" function."},
        {"DE", Text::AtLeastOneClickButton,
         "Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."},
        {"CHT", Text::Attention, "警告!!"},
        {"DE", Text::Attention, "ACHTUNG!!"},
        {"CHS", Text::Snipe, "狙三连发"},
        {"CHT", Text::Snipe, "Snipe"},
    };
    for (const EntryCase& c : cases) {
        EXPECT_EQ(LanguageTable::For(c.code)[c.id], c.text) << c.code << ' ' << c.text;
    }
}

TEST(LanguageTableTest, WebAddressAndRefusalsAreTheSameInEveryLanguage) {
    const LanguageTable english = LanguageTable::For("EN");
    EXPECT_TRUE(english[Text::WebAddress].starts_with("https://"));
    EXPECT_EQ(english[Text::MacroLimitExceeded], "超出限制(Max. Macro)");
    EXPECT_EQ(english[Text::GunLimitExceeded], "超出限制");
    for (std::string_view code : {"CHS", "CHT", "DE"}) {
        const LanguageTable table = LanguageTable::For(code);
        for (Text id : {Text::WebAddress, Text::MacroLimitExceeded, Text::GunLimitExceeded}) {
            EXPECT_EQ(table[id], english[id]) << code;
        }
    }
}

TEST(LanguageTableTest, NumberedSeriesPickTheirEntryAndAreEmptyOutsideTheirRange) {
    const LanguageTable cht = LanguageTable::For("CHT");
    const LanguageTable de = LanguageTable::For("DE");
    const LanguageTable chs = LanguageTable::For("CHS");

    EXPECT_EQ(ButtonCaption(cht, 1), "按鍵 1");
    EXPECT_EQ(ButtonCaption(de, 12), "Taste 12");
    EXPECT_EQ(ButtonCaption(de, 0), "");
    EXPECT_EQ(ButtonCaption(de, 13), "");

    EXPECT_EQ(DpiStageNotice(chs, 1), "DPI切换到第一段 ");
    EXPECT_EQ(DpiStageNotice(de, 7), "Switch DPI into the seven stage ");
    EXPECT_EQ(DpiStageNotice(de, 0), "");
    EXPECT_EQ(DpiStageNotice(de, 8), "");

    EXPECT_EQ(DpiFunctionText(de, 1), "DPI +");
    EXPECT_EQ(DpiFunctionText(cht, 2), "DPI -");
    EXPECT_EQ(DpiFunctionText(cht, 3), "DPI 循環檔");
    EXPECT_EQ(DpiFunctionText(chs, 3), "DPI loop");
    EXPECT_EQ(DpiFunctionText(de, 0), "");
    EXPECT_EQ(DpiFunctionText(de, 4), "");

    EXPECT_EQ(UnassignedGunName(chs, 0), "枪械1");
    EXPECT_EQ(UnassignedGunName(de, 2), "Gun3");
    EXPECT_EQ(UnassignedGunName(de, 3), "");

    EXPECT_EQ(DefaultGunName(chs, 2), "标准压枪");
    EXPECT_EQ(DefaultGunName(cht, 1), "AKM");
    EXPECT_EQ(DefaultGunName(chs, -1), "");
}

TEST(LanguageTableTest, AnIdOutsideTheTableReadsEmpty) {
    EXPECT_EQ(LanguageTable::For("EN")[TextAt(kTextCount)], "");
}

}  // namespace
}  // namespace gx508
