// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentDispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/store/BlockDefaults.h"
#include "core/store/IniFile.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

MacroChoice Chosen(std::string name, int position, std::uint8_t runMode = 0) {
    return MacroChoice{true, std::move(name), position, runMode};
}

std::uint8_t Code(Category category) {
    return static_cast<std::uint8_t>(category);
}

class AssignmentDispatchTest : public ::testing::Test {
  protected:
    AssignmentDispatchTest() { useLanguage("EN"); }

    void useLanguage(const std::string& code) {
        state->languageCode = code;
        state->texts = LanguageTable::For(code);
        StartupReset(*state);
        for (int b = 0; b < 12; ++b) {
            state->labels[static_cast<std::size_t>(b)] = "label " + std::to_string(b);
        }
    }
    std::optional<int> dispatch(int button, int command) {
        return DispatchAssignment(*state, button, command, dialogs);
    }
    void storeMacro(const std::string& name, const std::string& itemCount) {
        ASSERT_TRUE(WriteIniString(state->paths.macroStore, name, "ItemCount", itemCount));
    }
    std::uint8_t category(int button) const {
        return state->block.button(ButtonField::Category, button);
    }
    const std::string& label(int button) const {
        return state->labels[static_cast<std::size_t>(button)];
    }
    std::uint8_t gunTotal() const { return state->block.byte(block::kGunItemTotal); }

    // Gives `button` macro `name` through the menu.
    std::optional<int> assignMacro(int button, const std::string& name, int position) {
        dialogs.macros.push_back(Chosen(name, position));
        return dispatch(button, command::kMacro);
    }
    // Gives `button` gun switch k with the gun macro at `position` through the menu.
    std::optional<int> assignGun(int button, int k, const std::string& name, int position) {
        dialogs.guns.push_back(Chosen(name, position, 1));
        return dispatch(button, command::kFirstGunAssign + 2 * k);
    }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>(folder.path(), log);
    test::ScriptedDialogs dialogs;
};

struct PlainCase {
    int command;
    Category category;
    ButtonField field;  // the parameter written, checked against `value`
    std::uint8_t value;
    const char* label;
};

TEST_F(AssignmentDispatchTest, PlainCommandsWriteTheFunctionAndReleaseBoth) {
    const PlainCase cases[] = {
        {2001, Category::LeftClick, ButtonField::Category, 0, "Click"},
        {2003, Category::MiddleClick, ButtonField::Category, 2, "Scroll "},
        {2005, Category::Back, ButtonField::Category, 4, "Back"},
        {2007, Category::TiltLeft, ButtonField::Category, 15, "Left Tilt Scroll"},
        {2013, Category::Disabled, ButtonField::Category, 13, "Deactivated"},
        {2101, Category::AutoRun, ButtonField::Category, 20, "RUN"},
        {2104, Category::SkipRight, ButtonField::Category, 23, "Skip Right"},
        {2105, Category::KeyboardKey, ButtonField::KeyboardKey, 5, "Fire Mode"},
        {2020, Category::DpiFunction, ButtonField::DpiKind, 1, "DPI +"},
        {2022, Category::DpiFunction, ButtonField::DpiKind, 3, "DPI Loop"},
        {2050, Category::Multimedia, ButtonField::MultimediaUsage, 0x83, "Open Media Player"},
        {2057, Category::Multimedia, ButtonField::MultimediaUsage, 0xEA, "Volume Down"},
        {2061, Category::OfficeShortcut, ButtonField::OfficeKey, 0x1B, "Cut"},
        {2069, Category::OfficeShortcut, ButtonField::OfficeKey, 0x04, "Select All"},
        {2030, Category::WindowsFunction, ButtonField::WindowsKind, 0, "My computer"},
        {2036, Category::WindowsFunction, ButtonField::WindowsKind, 6, "Run"},
    };
    for (const PlainCase& c : cases) {
        useLanguage("EN");
        storeMacro("Reload", "3");
        ASSERT_TRUE(assignMacro(4, "Reload", 0));
        state->block.setGunAssigned(1, true);
        state->block.setGunButton(1, 4);
        state->block.setGunAssigned(2, true);
        state->block.setGunButton(2, 5);

        EXPECT_EQ(dispatch(4, c.command), 4) << c.command;
        EXPECT_EQ(category(4), Code(c.category)) << c.command;
        EXPECT_EQ(state->block.button(c.field, 4), c.value) << c.command;
        EXPECT_EQ(label(4), c.label) << c.command;
        EXPECT_EQ(state->block.slot(SlotField::InUse, 0), kNone) << c.command;
        EXPECT_EQ(state->block.slot(SlotField::Owner, 0), kNone) << c.command;
        EXPECT_EQ(state->block.slot(SlotField::Kind, 0), 0) << c.command;
        EXPECT_FALSE(state->block.gunAssigned(1)) << c.command;
        EXPECT_EQ(state->block.gunButton(1), kNone) << c.command;
        EXPECT_TRUE(state->block.gunAssigned(2)) << c.command;
    }
}

TEST_F(AssignmentDispatchTest, LabelsFollowTheLanguageOfTheMoment) {
    useLanguage("DE");
    dispatch(2, 2022);
    EXPECT_EQ(label(2), "DPI Schleife");
    useLanguage("CHT");
    dispatch(2, 2055);
    EXPECT_EQ(label(2), "靜音");
    useLanguage("chs");  // unknown: only the function lists fall back to English
    dispatch(2, 2062);
    EXPECT_EQ(label(2), "Copy");
    EXPECT_EQ(label(3), "label 3");
}

TEST_F(AssignmentDispatchTest, InertAndUnknownCommandsChangeNothing) {
    state->block.setButton(ButtonField::Category, 6, Code(Category::Forward));
    const SettingsBlock before = state->block;
    const auto labels = state->labels;
    for (int c : {20000, 20001, 20002, 20003, 1000, 4001, 0, -2001}) {
        EXPECT_EQ(dispatch(6, c), std::nullopt) << c;
    }
    for (int b : {-1, 12, 255}) {
        EXPECT_EQ(dispatch(b, 2001), std::nullopt) << b;
    }
    // A command of the dispatched range that assigns nothing only repaints the button.
    EXPECT_EQ(dispatch(6, 1003), 6);
    EXPECT_EQ(dispatch(6, 4000), 6);
    EXPECT_TRUE(state->block == before);
    EXPECT_EQ(state->labels, labels);
    EXPECT_EQ(dialogs.macroSelections + dialogs.gunSelections, 0);
}

TEST_F(AssignmentDispatchTest, KeyCaptureStartsFromTheCurrentKeyAndStoresTheNewOne) {
    dispatch(7, command::kFireMode);
    dialogs.keys.push_back({true, "F5"});
    EXPECT_EQ(dispatch(7, command::kAssignKeyboardKey), 7);
    ASSERT_EQ(dialogs.keyStarts.size(), 1u);
    EXPECT_EQ(dialogs.keyStarts[0], "B");
    EXPECT_EQ(category(7), Code(Category::KeyboardKey));
    EXPECT_EQ(state->block.button(ButtonField::KeyboardKey, 7), 0x3E);
    EXPECT_EQ(label(7), "Assign Keyboard Key-F5");

    // A name the key-code table lacks still assigns a keyboard key, with code 0.
    dialogs.keys.push_back({true, "App"});
    dispatch(7, command::kAssignKeyboardKey);
    EXPECT_EQ(dialogs.keyStarts[1], "F5");
    EXPECT_EQ(category(7), Code(Category::KeyboardKey));
    EXPECT_EQ(state->block.button(ButtonField::KeyboardKey, 7), 0);
    EXPECT_EQ(label(7), "Assign Keyboard Key-App");

    // Key byte 0, and a code the table has no name for, start from nothing.
    dialogs.keys.push_back({true, "A"});
    dispatch(7, command::kAssignKeyboardKey);
    EXPECT_EQ(dialogs.keyStarts[2], std::nullopt);
    state->block.setButton(ButtonField::KeyboardKey, 7, 0x64);
    dialogs.keys.push_back({true, "A"});
    dispatch(7, command::kAssignKeyboardKey);
    EXPECT_EQ(dialogs.keyStarts[3], std::nullopt);

    useLanguage("DE");
    dialogs.keys.push_back({true, "Num +"});
    dispatch(7, command::kAssignKeyboardKey);
    EXPECT_EQ(label(7), "Keyboard-Taste zuweisen +-Num +");
    EXPECT_EQ(state->block.button(ButtonField::KeyboardKey, 7), 0x57);
}

TEST_F(AssignmentDispatchTest, KeyCaptureCancelAndEmptyNameLeaveTheButton) {
    dispatch(7, command::kForward);
    const SettingsBlock before = state->block;
    dialogs.keys.push_back({false, "F5"});
    EXPECT_EQ(dispatch(7, command::kAssignKeyboardKey), 7);
    dialogs.keys.push_back({true, ""});
    EXPECT_EQ(dispatch(7, command::kAssignKeyboardKey), std::nullopt);
    EXPECT_TRUE(state->block == before);
    EXPECT_EQ(label(7), "Forward");
}

TEST_F(AssignmentDispatchTest, FiveMacroSlotsAtMostAndAButtonReusesItsOwn) {
    storeMacro("Reload", "3");
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(assignMacro(b, "Reload", b - 1), b);
        EXPECT_EQ(state->block.button(ButtonField::MacroSlot, b), b - 1);
        EXPECT_EQ(state->block.slot(SlotField::Owner, b - 1), b);
        EXPECT_EQ(state->block.slot(SlotField::MacroNumber, b - 1), b - 1);
        EXPECT_EQ(state->block.slot(SlotField::InUse, b - 1), 1);
        EXPECT_EQ(state->block.slot(SlotField::Kind, b - 1), 0);
    }
    EXPECT_EQ(category(3), Code(Category::Macro));
    EXPECT_EQ(label(3), "Macro:Reload");

    dispatch(6, command::kBack);
    const SettingsBlock before = state->block;
    EXPECT_EQ(assignMacro(6, "Reload", 7), std::nullopt);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first, "超出限制(Max. Macro)");
    EXPECT_EQ(dialogs.messages[0].second, "ATTENTION!!");
    EXPECT_TRUE(state->block == before);
    EXPECT_EQ(label(6), "Back");

    storeMacro("Crouch", "1");
    EXPECT_EQ(assignMacro(3, "Crouch", 9), 3);
    EXPECT_EQ(state->block.button(ButtonField::MacroSlot, 3), 2);
    EXPECT_EQ(state->block.slot(SlotField::MacroNumber, 2), 9);
    EXPECT_EQ(state->block.slot(SlotField::Owner, 2), 3);
    EXPECT_EQ(label(3), "Macro:Crouch");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

struct RunModeCase {
    const char* itemCount;  // nullptr: no such section
    std::uint8_t chosen;
    std::uint8_t stored;
};

TEST_F(AssignmentDispatchTest, MacrosOfOneItemOrLessPlayInMode0) {
    const RunModeCase cases[] = {
        {"2", 2, 2},  {"3", 1, 1},    {"1", 2, 0},     {"0", 2, 0},
        {"-4", 2, 0}, {"junk", 1, 0}, {nullptr, 2, 0}, {"100000000", 2, 2},
    };
    for (const RunModeCase& c : cases) {
        useLanguage("EN");
        std::filesystem::remove(state->paths.macroStore);
        if (c.itemCount != nullptr) {
            storeMacro("Jump", c.itemCount);
        }
        dialogs.macros.push_back(Chosen("Jump", 0, c.chosen));
        ASSERT_EQ(dispatch(2, command::kMacro), 2);
        EXPECT_EQ(state->block.button(ButtonField::MacroRunMode, 2), c.stored)
            << (c.itemCount ? c.itemCount : "(none)");
    }
}

TEST_F(AssignmentDispatchTest, SelectorCancelOrNoChoiceLeavesTheButton) {
    storeMacro("Reload", "3");
    assignMacro(4, "Reload", 0);
    const SettingsBlock before = state->block;
    const auto labels = state->labels;

    dialogs.macros.push_back(MacroChoice{false, "Reload", 1, 0});
    EXPECT_EQ(dispatch(4, command::kMacro), 4);
    dialogs.macros.push_back(Chosen("", -1));
    EXPECT_EQ(dispatch(4, command::kMacro), std::nullopt);
    dialogs.guns.push_back(MacroChoice{false, "Snipe", 0, 2});
    EXPECT_EQ(dispatch(4, 2040), 4);
    dialogs.guns.push_back(Chosen("", -1, 2));
    EXPECT_EQ(dispatch(4, 2042), std::nullopt);

    EXPECT_TRUE(state->block == before);
    EXPECT_EQ(state->labels, labels);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AssignmentDispatchTest, GunSwitchAssignmentBindsTheSlotAndCountsTheItems) {
    state->block.setGunParam(1, 4, -10);
    assignGun(11, 0, "Snipe", 0);
    assignGun(10, 1, "AKM", 1);
    EXPECT_EQ(assignGun(9, 2, "Standard Gun", 2), 9);
    EXPECT_EQ(gunTotal(), (252 + 146 + 32) % 256);
    EXPECT_EQ(gunTotal(), 174);

    const int sizes[] = {252, 146, 32};
    for (int k = 0; k < 3; ++k) {
        const int b = 11 - k;
        const int s = 6 + k;
        EXPECT_EQ(category(b), Code(Category::GunSwitch));
        EXPECT_TRUE(state->block.gunAssigned(k));
        EXPECT_EQ(state->block.gunButton(k), b);
        EXPECT_EQ(state->block.slot(SlotField::MacroNumber, s), k);
        EXPECT_EQ(state->block.slot(SlotField::Kind, s), 1);
        EXPECT_EQ(state->block.slot(SlotField::InUse, s), 1);
        EXPECT_EQ(state->block.slot(SlotField::Owner, s), b);
        EXPECT_EQ(state->block.slotLength(s), sizes[k]);
        EXPECT_EQ(state->block.byte(block::kGunRunMode + static_cast<std::size_t>(k)), 1);
    }
    EXPECT_EQ(state->block.gunParam(1, 4), 0);
    EXPECT_EQ(state->gunNames[1], "AKM");
    EXPECT_EQ(label(10), "AKM");

    // Reassigning a button's own switch gives its old size back first.
    storeMacro("Spray", "100");
    EXPECT_EQ(assignGun(9, 2, "Spray", 3), 9);
    EXPECT_EQ(gunTotal(), 174 - 32 + 100);
    EXPECT_EQ(state->block.slotLength(8), 100);
    EXPECT_EQ(state->gunNames[2], "Spray");
    EXPECT_EQ(label(9), "Spray");
}

struct BudgetCase {
    const char* itemCount;
    bool accepted;
    int total;
};

TEST_F(AssignmentDispatchTest, AFurtherGunMacroIsRefusedOnlyPastTheBudget) {
    const BudgetCase cases[] = {
        {"246", true, (174 + 246) % 256},
        {"247", false, 174},
        {"100000000", false, 174},
        {"-5", true, 174},
        {"0", true, 174},
    };
    for (const BudgetCase& c : cases) {
        useLanguage("EN");
        dialogs.messages.clear();
        assignGun(11, 0, "Snipe", 0);
        assignGun(10, 1, "AKM", 1);
        assignGun(9, 2, "Standard Gun", 2);
        // Switch 0 leaves button 11 and goes to button 3 with a user gun macro.
        dispatch(11, 2041);
        dispatch(3, command::kForward);
        storeMacro("Burst", c.itemCount);
        const SettingsBlock before = state->block;

        const std::optional<int> result = assignGun(3, 0, "Burst", 3);
        EXPECT_EQ(gunTotal(), c.total) << c.itemCount;
        if (c.accepted) {
            EXPECT_EQ(result, 3) << c.itemCount;
            EXPECT_EQ(category(3), Code(Category::GunSwitch)) << c.itemCount;
            EXPECT_EQ(label(3), "Burst");
            EXPECT_TRUE(dialogs.messages.empty()) << c.itemCount;
        } else {
            EXPECT_EQ(result, std::nullopt) << c.itemCount;
            EXPECT_TRUE(state->block == before) << c.itemCount;
            EXPECT_EQ(label(3), "Forward");
            ASSERT_EQ(dialogs.messages.size(), 1u) << c.itemCount;
            EXPECT_EQ(dialogs.messages[0].first, "超出限制");
            EXPECT_EQ(dialogs.messages[0].second, "ATTENTION!!");
        }
    }
}

// A refused assignment leaves the button with the slot its function plays: a macro button
// keeps its macro slot when a gun macro is refused, a gun button its gun slot and item count
// when a macro is refused.
TEST_F(AssignmentDispatchTest, ARefusalGivesTheButtonItsSlotBack) {
    storeMacro("Reload", "3");
    storeMacro("Burst", "400");
    for (int b = 0; b < 5; ++b) {
        assignMacro(b, "Reload", 0);
    }
    assignGun(7, 0, "Snipe", 0);
    const SettingsBlock before = state->block;
    const auto labels = state->labels;

    EXPECT_EQ(assignGun(2, 1, "Burst", 3), std::nullopt);
    EXPECT_EQ(assignMacro(7, "Reload", 0), std::nullopt);

    EXPECT_TRUE(state->block == before);
    EXPECT_EQ(state->block.slot(SlotField::Owner, 2), 2);
    EXPECT_EQ(state->block.slot(SlotField::InUse, 6), 1);
    EXPECT_EQ(gunTotal(), 252);
    EXPECT_EQ(state->labels, labels);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].first, "超出限制");
    EXPECT_EQ(dialogs.messages[1].first, "超出限制(Max. Macro)");
}

TEST_F(AssignmentDispatchTest, EnableAndDisableFollowTheSwitchesBoundToTheButton) {
    storeMacro("Reload", "3");
    assignMacro(5, "Reload", 0);
    state->gunNames = {"Snipe", "AKM", "Standard Gun", ""};
    state->block.setGunParam(0, 2, 20);

    EXPECT_EQ(dispatch(5, 3001), 5);
    EXPECT_EQ(category(5), Code(Category::GunSwitch));
    EXPECT_EQ(label(5), "Snipe");
    dispatch(5, 3002);
    EXPECT_EQ(label(5), "AKM");
    EXPECT_TRUE(state->block.gunAssigned(0));
    EXPECT_EQ(state->block.gunButton(1), 5);
    const std::uint8_t total = gunTotal();

    // One of two switches goes: the other one's name shows.
    EXPECT_EQ(dispatch(5, 2041), 5);
    EXPECT_EQ(category(5), Code(Category::GunSwitch));
    EXPECT_EQ(label(5), "AKM");
    EXPECT_FALSE(state->block.gunAssigned(0));
    EXPECT_EQ(state->block.gunButton(0), kNone);
    EXPECT_EQ(state->gunNames[0], "Gun1");
    EXPECT_EQ(state->block.gunParam(0, 2), 0);

    // The last one goes: the button is deactivated.
    EXPECT_EQ(dispatch(5, 2043), 5);
    EXPECT_EQ(category(5), Code(Category::Disabled));
    EXPECT_EQ(label(5), "Deactivated");
    EXPECT_EQ(state->gunNames[1], "AKM");
    EXPECT_EQ(gunTotal(), total);
    EXPECT_EQ(state->block.slot(SlotField::Owner, 0), 5);
}

TEST(MacroItemCountTest, ReadsTheLeadingNumberBoundedBelowByZero) {
    test::TempFolder folder;
    const auto store = folder / "record.ini";
    test::WriteText(store,
                    "[Three]\r\nItemCount=3\r\n[Padded]\r\nItemCount=  12abc\r\n"
                    "[Negative]\r\nItemCount=-7\r\n[Huge]\r\nItemCount=100000000\r\n"
                    "[Huger]\r\nItemCount=99999999999999999999\r\n[Text]\r\nItemCount=abc\r\n"
                    "[Empty]\r\nItemCount=\r\n[NoCount]\r\nItem0=A Dn\r\n");
    EXPECT_EQ(MacroItemCount(store, "Three"), 3);
    EXPECT_EQ(MacroItemCount(store, "Padded"), 12);
    EXPECT_EQ(MacroItemCount(store, "Negative"), 0);
    EXPECT_EQ(MacroItemCount(store, "Huge"), 100000000);
    EXPECT_EQ(MacroItemCount(store, "Huger"), 2147483647);
    EXPECT_EQ(MacroItemCount(store, "Text"), 0);
    EXPECT_EQ(MacroItemCount(store, "Empty"), 0);
    EXPECT_EQ(MacroItemCount(store, "NoCount"), 0);
    EXPECT_EQ(MacroItemCount(store, "Missing"), 0);
    EXPECT_EQ(MacroItemCount(store, ""), 0);
    EXPECT_EQ(MacroItemCount(folder / "none.ini", "Three"), 0);
}

TEST(GunItemTotalTest, ReleaseGivesTheLowByteBackModulo256) {
    SettingsBlock b;
    b.setByte(block::kGunItemTotal, 10);
    b.fill(block::kSlotOwner, block::kSlotCount, kNone);
    b.setSlot(SlotField::Owner, 7, 4);
    b.setSlot(SlotField::Owner, 8, 4);
    b.setSlot(SlotField::InUse, 7, 1);
    b.setSlotLength(7, 300);  // low byte 44
    b.setSlotLength(8, 5);
    ReleaseMacroSlot(b, 4);
    EXPECT_EQ(b.byte(block::kGunItemTotal), (10 - 44 + 256) % 256);
    EXPECT_EQ(b.slotLength(7), 0);
    EXPECT_EQ(b.slot(SlotField::InUse, 7), kNone);
    EXPECT_EQ(b.slot(SlotField::Kind, 7), 0);
    // Only the first slot the button owns is released.
    EXPECT_EQ(b.slot(SlotField::Owner, 8), 4);
    EXPECT_EQ(b.slotLength(8), 5);

    b.setByte(block::kGunItemTotal, 174);
    EXPECT_FALSE(ReserveGunItems(b, 247));
    EXPECT_FALSE(ReserveGunItems(b, -1));
    EXPECT_EQ(b.byte(block::kGunItemTotal), 174);
    EXPECT_TRUE(ReserveGunItems(b, 246));
    EXPECT_EQ(b.byte(block::kGunItemTotal), (174 + 246) % 256);
    EXPECT_EQ(GunMacroSize(1, 999), 146);
    EXPECT_EQ(GunMacroSize(3, 999), 999);
}

}  // namespace
}  // namespace gx508
