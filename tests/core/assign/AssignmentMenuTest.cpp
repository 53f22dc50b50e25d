// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/store/BlockDefaults.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

std::vector<std::string> Texts(const Menu& menu) {
    std::vector<std::string> out;
    for (const MenuItem& item : menu.items) {
        out.push_back(item.text);
    }
    return out;
}

std::vector<int> Commands(const Menu& menu) {
    std::vector<int> out;
    for (const MenuItem& item : menu.items) {
        out.push_back(item.command);
    }
    return out;
}

class AssignmentMenuTest : public ::testing::Test {
  protected:
    AssignmentMenuTest() { useLanguage("EN"); }

    void useLanguage(const std::string& code) {
        state->languageCode = code;
        state->texts = LanguageTable::For(code);
        StartupReset(*state);
        ApplyCodeDefaults(*state);
    }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>(folder.path(), log);
};

TEST_F(AssignmentMenuTest, TopMenuHoldsEveryFunctionInOrder) {
    const Menu menu = BuildAssignmentMenu(*state, 3);
    EXPECT_EQ(menu.itemWidth, 120);
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{"Click",
                                                     "Menu",
                                                     "Scroll ",
                                                     "Forward",
                                                     "RUN",
                                                     "Back",
                                                     "Fire Mode",
                                                     "Double-Click",
                                                     "Left Tilt Scroll",
                                                     "Skip Left",
                                                     "Right Tilt Scroll",
                                                     "Skip Right",
                                                     "DPI Setting +",
                                                     "Multimedia Commands +",
                                                     "Basic Commands +",
                                                     "Additional Commands +",
                                                     "Gun Managent +",
                                                     "Assign Keyboard Key",
                                                     "Macro",
                                                     "Deactivated"}));
    EXPECT_EQ(Commands(menu),
              (std::vector<int>{2001, 2002, 2003, 2004, 2101, 2005, 2105, 2006, 2007, 2103,
                                2008, 2104, 0,    0,    0,    0,    0,    2011, 2012, 2013}));
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        EXPECT_EQ(menu.items[i].submenu.has_value(), i >= 12 && i <= 16) << i;
        EXPECT_FALSE(menu.items[i].inert) << i;
    }

    const Menu& dpi = *menu.items[12].submenu;
    EXPECT_EQ(dpi.itemWidth, 50);
    EXPECT_EQ(Texts(dpi), (std::vector<std::string>{"DPI +", "DPI -", "DPI Loop"}));
    EXPECT_EQ(Commands(dpi), (std::vector<int>{2020, 2021, 2022}));

    const Menu& media = *menu.items[13].submenu;
    EXPECT_EQ(media.itemWidth, 100);
    ASSERT_EQ(media.items.size(), 8u);
    EXPECT_EQ(media.items[0].text, "Open Media Player");
    EXPECT_EQ(media.items[7].command, 2057);

    const Menu& office = *menu.items[14].submenu;
    EXPECT_EQ(office.itemWidth, 100);
    ASSERT_EQ(office.items.size(), 10u);
    EXPECT_EQ(office.items[9].text, "Select All");
    EXPECT_EQ(office.items[9].command, 2069);

    const Menu& windows = *menu.items[15].submenu;
    EXPECT_EQ(windows.itemWidth, 120);
    ASSERT_EQ(windows.items.size(), 7u);
    EXPECT_EQ(windows.items[0].command, 2030);
    EXPECT_EQ(windows.items[6].text, "Run");
}

TEST_F(AssignmentMenuTest, TextsFollowTheLanguageAndListsFallBackToEnglish) {
    useLanguage("DE");
    Menu menu = BuildAssignmentMenu(*state, 3);
    EXPECT_EQ(menu.items[17].text, "Keyboard-Taste zuweisen +");
    EXPECT_EQ(menu.items[12].submenu->items[2].text, "DPI Schleife");
    EXPECT_EQ(menu.items[14].submenu->items[0].text, "Neu");

    useLanguage("CHT");
    menu = BuildAssignmentMenu(*state, 3);
    EXPECT_EQ(menu.items[6].text, "开火模式");
    EXPECT_EQ(menu.items[15].submenu->items[2].text, "搜尋程式及檔案");

    // An unknown code leaves the table's texts empty; only the three lists stay readable.
    useLanguage("fr");
    menu = BuildAssignmentMenu(*state, 3);
    EXPECT_EQ(menu.items[0].text, "");
    EXPECT_EQ(menu.items[13].submenu->items[1].text, "Next Track");
}

TEST_F(AssignmentMenuTest, GunMenuOffersSwitchesFreeOrBoundToThisButton) {
    // Factory bindings: switch 0 on button 11, 1 on 10, 2 on 9. Switch 1 is then released.
    state->block.setGunAssigned(1, false);
    state->block.setGunButton(1, kNone);

    const Menu onEleven = *BuildAssignmentMenu(*state, 11).items[16].submenu;
    EXPECT_EQ(onEleven.itemWidth, 100);
    EXPECT_EQ(Texts(onEleven),
              (std::vector<std::string>{"Snipe", "Gun2", "Standard Gun", "Standard Key Switch"}));
    ASSERT_TRUE(onEleven.items[0].submenu);
    const Menu& own = *onEleven.items[0].submenu;
    EXPECT_EQ(own.itemWidth, 30);
    EXPECT_EQ(Texts(own), (std::vector<std::string>{"Assign", "Enable", "Disable"}));
    EXPECT_EQ(Commands(own), (std::vector<int>{2040, 3001, 2041}));
    ASSERT_TRUE(onEleven.items[1].submenu);
    EXPECT_EQ(Commands(*onEleven.items[1].submenu), (std::vector<int>{2042, 3002, 2043}));
    EXPECT_FALSE(onEleven.items[2].submenu);
    EXPECT_TRUE(onEleven.items[2].inert);
    EXPECT_EQ(onEleven.items[2].command, 20003);
    EXPECT_TRUE(onEleven.items[3].inert);
    EXPECT_EQ(onEleven.items[3].command, 20000);

    const Menu onThree = *BuildAssignmentMenu(*state, 3).items[16].submenu;
    EXPECT_TRUE(onThree.items[0].inert);
    EXPECT_EQ(onThree.items[0].command, 20001);
    ASSERT_TRUE(onThree.items[1].submenu);
    EXPECT_EQ(Commands(*onThree.items[1].submenu), (std::vector<int>{2042, 3002, 2043}));
    EXPECT_TRUE(onThree.items[2].inert);

    useLanguage("CHS");
    state->block.setGunAssigned(2, false);
    const Menu chinese = *BuildAssignmentMenu(*state, 3).items[16].submenu;
    EXPECT_EQ(Texts(chinese), (std::vector<std::string>{"狙三连发", "AKM", "枪械3", "标准键切换"}));
    EXPECT_EQ(Texts(*chinese.items[2].submenu), (std::vector<std::string>{"分配", "启用", "禁用"}));
}

TEST_F(AssignmentMenuTest, TheLastLeftClickButtonShowsTheMessageInsteadOfTheMenu) {
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(OpenAssignmentMenu(*state, 0, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first,
              "At least one button must be set as the \"click\" function.");
    EXPECT_EQ(dialogs.messages[0].second, "ATTENTION!!");

    const std::optional<Menu> other = OpenAssignmentMenu(*state, 1, dialogs);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->items.size(), 20u);

    // A second left click frees button 0 again.
    state->block.setButton(ButtonField::Category, 1,
                           static_cast<std::uint8_t>(Category::LeftClick));
    EXPECT_TRUE(OpenAssignmentMenu(*state, 0, dialogs));
    EXPECT_FALSE(OpenAssignmentMenu(*state, 12, dialogs));
    EXPECT_EQ(dialogs.messages.size(), 1u);

    useLanguage("DE");
    EXPECT_FALSE(OpenAssignmentMenu(*state, 0, dialogs));
    EXPECT_EQ(dialogs.messages.back().second, "ACHTUNG!!");
}

}  // namespace
}  // namespace gx508
