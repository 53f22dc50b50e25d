// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/FunctionLabels.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/store/BlockDefaults.h"
#include "core/store/IniFile.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

TEST(FunctionLabelsTest, FixedLabelsAreTheTextsOfTheMenuItemsThatSetThem) {
    struct Case {
        Category category;
        const char* code;
        const char* label;
    };
    const Case cases[] = {
        {Category::LeftClick, "DE", "Klick"},
        {Category::RightClick, "CHT", "選項"},
        {Category::MiddleClick, "EN", "Scroll "},
        {Category::Forward, "CHS", "前进方向键"},
        {Category::Back, "CHS", "后退方向键"},  // the function, not the rear view's "背面"
        {Category::DoubleClick, "DE", "Doppelklick"},
        {Category::Disabled, "CHT", "無作用"},
        {Category::TiltLeft, "CHT", "Left Tilt Scroll"},
        {Category::TiltRight, "CHS", "右摇摆滚轮"},
        {Category::AutoRun, "EN", "RUN"},
        {Category::SkipLeft, "DE", "Skip Left"},
        {Category::SkipRight, "CHT", "右跳三次"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FixedLabel(LanguageTable::For(c.code), c.category), c.label)
            << static_cast<int>(c.category) << ' ' << c.code;
    }
}

TEST(FunctionLabelsTest, LabelsThatDependOnAParameterHaveNoFixedText) {
    const LanguageTable english = LanguageTable::For("EN");
    for (Category category : {Category::DpiFunction, Category::Multimedia, Category::KeyboardKey,
                              Category::Macro, Category::GunSwitch, static_cast<Category>(12)}) {
        EXPECT_EQ(FixedLabel(english, category), "") << static_cast<int>(category);
    }
}

TEST(FunctionLabelsTest, KeyAndMacroLabelsJoinTheMenuTextAndTheName) {
    EXPECT_EQ(KeyboardKeyLabel(LanguageTable::For("EN"), "F5"), "Assign Keyboard Key-F5");
    EXPECT_EQ(KeyboardKeyLabel(LanguageTable::For("CHS"), "F5"), "单键-F5");
    EXPECT_EQ(KeyboardKeyLabel(LanguageTable::For("CHT"), "F5"), "指派鍵盤按鍵-F5");
    EXPECT_EQ(KeyboardKeyLabel(LanguageTable::For("DE"), "F5"), "Keyboard-Taste zuweisen +-F5");
    EXPECT_EQ(MacroLabel(LanguageTable::For("EN"), "Reload"), "Macro:Reload");
    EXPECT_EQ(MacroLabel(LanguageTable::For("CHS"), "Reload"), "宏:Reload");
    EXPECT_EQ(MacroLabel(LanguageTable::For("CHT"), "Reload"), "巨集鍵:Reload");
    EXPECT_EQ(MacroLabel(LanguageTable::For("DE"), "Reload"), "Makro:Reload");
}

class FunctionLabelOfTest : public ::testing::Test {
  protected:
    void useLanguage(const std::string& code, int profile) {
        state->languageCode = code;
        state->texts = LanguageTable::For(code);
        state->currentProfile = profile;
        StartupReset(*state);
        ApplyCodeDefaults(*state);
    }
    std::vector<std::string> labels() const {
        std::vector<std::string> out;
        for (int b = 0; b < 12; ++b) {
            out.push_back(FunctionLabelOf(*state, b));
        }
        return out;
    }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>(folder.path(), log);
};

TEST_F(FunctionLabelOfTest, FactoryMapsReadAsTheirMenuItems) {
    useLanguage("EN", 0);
    EXPECT_EQ(labels(),
              (std::vector<std::string>{"Click", "Menu", "Scroll ", "Right Tilt Scroll",
                                        "Left Tilt Scroll", "DPI +", "DPI -", "Deactivated", "Back",
                                        "Forward", "Deactivated", "Deactivated"}));
    useLanguage("CHS", kGamingProfile);
    EXPECT_EQ(labels(), (std::vector<std::string>{"左键", "右键", "中键", "右跳三次", "左跳三次",
                                                  "DPI +", "DPI -", "开火模式", "自动奔跑",
                                                  "标准压枪", "AKM", "狙三连发"}));
    useLanguage("DE", kGamingProfile);
    EXPECT_EQ(labels()[7], "Fire Mode");
    EXPECT_EQ(labels()[11], "Snipe");
}

TEST_F(FunctionLabelOfTest, ParametersPickTheirItemsAndListsFallBackToEnglish) {
    useLanguage("DE", 0);
    SettingsBlock& b = state->block;
    b.setButton(ButtonField::Category, 0, 6);
    b.setButton(ButtonField::DpiKind, 0, 3);
    b.setButton(ButtonField::Category, 1, 7);
    b.setButton(ButtonField::MultimediaUsage, 1, 0xE9);
    b.setButton(ButtonField::Category, 2, 8);
    b.setButton(ButtonField::OfficeKey, 2, 0x1D);
    b.setButton(ButtonField::Category, 3, 9);
    b.setButton(ButtonField::WindowsKind, 3, 5);
    b.setButton(ButtonField::Category, 4, 10);
    b.setButton(ButtonField::KeyboardKey, 4, 0x3E);
    b.setButton(ButtonField::Category, 5, 9);
    b.setButton(ButtonField::WindowsKind, 5, 200);  // no such item
    b.setButton(ButtonField::Category, 6, 14);      // never written by the menu
    const auto got = labels();
    EXPECT_EQ(got[0], "DPI Schleife");
    EXPECT_EQ(got[1], "Lautstärke +");
    EXPECT_EQ(got[2], "Rückgängig machen");
    EXPECT_EQ(got[3], "Desktop anzeigen");
    EXPECT_EQ(got[4], "Keyboard-Taste zuweisen +-F5");
    EXPECT_EQ(got[5], "");
    EXPECT_EQ(got[6], "");

    state->languageCode = "xx";
    EXPECT_EQ(FunctionLabelOf(*state, 1), "Volume Up");
    EXPECT_EQ(FunctionLabelOf(*state, 12), "");
}

TEST_F(FunctionLabelOfTest, MacroReadsItsNameFromTheStoreList) {
    useLanguage("EN", 0);
    ASSERT_TRUE(WriteIniString(state->paths.macroStore, "MacroName", "2", "Reload"));
    SettingsBlock& b = state->block;
    b.setButton(ButtonField::Category, 8, 11);
    b.setButton(ButtonField::MacroSlot, 8, 3);
    b.setSlot(SlotField::MacroNumber, 3, 2);
    EXPECT_EQ(FunctionLabelOf(*state, 8), "Macro:Reload");

    // A reading of the store given for many labels is the one used.
    const IniDocument read = IniDocument::Load(state->paths.macroStore);
    ASSERT_TRUE(WriteIniString(state->paths.macroStore, "MacroName", "2", "Changed"));
    EXPECT_EQ(FunctionLabelOf(*state, 8, read), "Macro:Reload");
    EXPECT_EQ(FunctionLabelOf(*state, 8), "Macro:Changed");
}

}  // namespace
}  // namespace gx508
