// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/KeyTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {

SettingsBlock BlockWithButton(int button, std::uint8_t category) {
    SettingsBlock b;
    b.fill(block::kStageEnabled, 6, 1);
    b.setButton(ButtonField::Category, button, category);
    return b;
}

TEST(KeyTableTest, EveryCategoryGivesItsDeviceCode) {
    struct Case {
        std::uint8_t category;
        ButtonField field;
        std::uint8_t param;
        KeyCode code;
    };
    const ButtonField none = ButtonField::Category;
    const std::vector<Case> cases = {
        {0, none, 0, {0x01, 0x00, 0xF0, 0x00}},
        {1, none, 0, {0x01, 0x00, 0xF1, 0x00}},
        {2, none, 0, {0x01, 0x00, 0xF2, 0x00}},
        {3, none, 0, {0x01, 0x00, 0xF4, 0x00}},
        {4, none, 0, {0x01, 0x00, 0xF3, 0x00}},
        {5, none, 0, {0x0A, 0xF0, 0x1E, 0x02}},
        {6, ButtonField::DpiKind, 3, {0x07, 0x00, 0x03, 0x00}},
        {7, ButtonField::MultimediaUsage, 0x83, {0x03, 0x00, 0x83, 0x01}},
        {7, ButtonField::MultimediaUsage, 0xE9, {0x03, 0x00, 0xE9, 0x00}},
        {8, ButtonField::OfficeKey, 0x06, {0x00, 0x00, 0xE0, 0x06}},
        {9, ButtonField::WindowsKind, 0, {0x03, 0x00, 0x94, 0x01}},
        {9, ButtonField::WindowsKind, 3, {0x00, 0x04, 0x2C, 0x1B}},
        {9, ButtonField::WindowsKind, 6, {0x00, 0x00, 0xE3, 0x15}},
        {9, ButtonField::WindowsKind, 7, {0, 0, 0, 0}},
        {10, ButtonField::KeyboardKey, 0x05, {0x00, 0x00, 0x05, 0x00}},
        {13, none, 0, {0, 0, 0, 0}},
        {12, none, 0, {0, 0, 0, 0}},
        {14, none, 0, {0, 0, 0, 0}},
        {15, none, 0, {0x01, 0x00, 0xF5, 0x00}},
        {16, none, 0, {0x01, 0x00, 0xF6, 0x00}},
        {17, none, 0, {0x07, 0x00, 0x04, 0x04}},
        {18, none, 0, {0x08, 0x00, 0x02, 0x00}},
        {20, none, 0, {0x00, 0x00, 0x2E, 0x00}},
        {21, none, 0, {0x00, 0x00, 0x06, 0x2C}},
        {22, none, 0, {0x00, 0x00, 0x04, 0x2C}},
        {23, none, 0, {0x00, 0x00, 0x07, 0x2C}},
        {24, none, 0, {0, 0, 0, 0}},
        {255, none, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SettingsBlock b = BlockWithButton(5, c.category);
        if (c.field != none) {
            b.setButton(c.field, 5, c.param);
        }
        EXPECT_EQ(ButtonDeviceCode(b, 5, 0), c.code) << "category " << int{c.category};
    }
}

TEST(KeyTableTest, MacroButtonsPlayTheirSlotWithTheirRunMode) {
    SettingsBlock b = BlockWithButton(2, 11);
    b.setButton(ButtonField::MacroSlot, 2, 3);
    b.setButton(ButtonField::MacroRunMode, 2, 2);
    EXPECT_EQ(ButtonDeviceCode(b, 2, 1), (KeyCode{0x09, 0x02, 0x04, 0x00}));
}

TEST(KeyTableTest, LeftClicksPlayTheGunMacroOfTheirMatrix) {
    SettingsBlock b = BlockWithButton(0, 0);
    b.setByte(298, 2);
    b.setByte(299, 1);
    b.setByte(300, 0);
    EXPECT_EQ(ButtonDeviceCode(b, 0, 0), (KeyCode{0x01, 0x00, 0xF0, 0x00}));
    EXPECT_EQ(ButtonDeviceCode(b, 0, 1), (KeyCode{0x09, 0x02, 0x06, 0x00}));
    EXPECT_EQ(ButtonDeviceCode(b, 0, 2), (KeyCode{0x09, 0x01, 0x07, 0x00}));
    EXPECT_EQ(ButtonDeviceCode(b, 0, 3), (KeyCode{0x09, 0x00, 0x08, 0x00}));
}

TEST(KeyTableTest, GunSwitchesAreSearchedFromTheMatrixOn) {
    SettingsBlock b = BlockWithButton(10, 19);
    b.setGunAssigned(1, true);
    b.setGunButton(1, 10);
    b.setGunButton(0, kNone);
    b.setGunButton(2, kNone);
    b.setGunButton(3, kNone);
    const std::vector<KeyCode> expected = {{0x08, 0x00, 0x01, 0x02},
                                           {0x08, 0x00, 0x01, 0x02},
                                           {0x08, 0x00, 0x01, 0x00},
                                           {0x08, 0x00, 0x01, 0x00}};
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(ButtonDeviceCode(b, 10, m), expected[static_cast<std::size_t>(m)]) << m;
    }
    b.setGunAssigned(1, false);
    EXPECT_EQ(ButtonDeviceCode(b, 10, 0), (KeyCode{0x08, 0x00, 0x01, 0x00}));
}

TEST(KeyTableTest, DpiButtonsAreSilentWhenEveryStageIsDisabled) {
    SettingsBlock b = BlockWithButton(5, 6);
    b.setButton(ButtonField::DpiKind, 5, 1);
    b.setButton(ButtonField::Category, 6, 17);
    b.fill(block::kStageEnabled, 6, 0);
    EXPECT_EQ(ButtonDeviceCode(b, 5, 0), (KeyCode{0, 0, 0, 0}));
    EXPECT_EQ(ButtonDeviceCode(b, 6, 0), (KeyCode{0x07, 0x00, 0x04, 0x04}));
    b.setByte(block::kStageEnabled + 5, 1);
    EXPECT_EQ(ButtonDeviceCode(b, 5, 0), (KeyCode{0x07, 0x00, 0x01, 0x00}));
}

TEST(KeyTableTest, TheTableSwapsButtonsOneAndTwoAndSevenAndEleven) {
    SettingsBlock b;
    const std::uint8_t keys[12] = {0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                                   0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    for (int i = 0; i < 12; ++i) {
        b.setButton(ButtonField::Category, i, 10);
        b.setButton(ButtonField::KeyboardKey, i, keys[i]);
    }
    const KeyTable t = BuildKeyTable(b, 0);
    const std::uint8_t entryKeys[12] = {0x04, 0x06, 0x05, 0x07, 0x08, 0x09,
                                        0x0A, 0x0F, 0x0C, 0x0D, 0x0E, 0x0B};
    for (std::size_t e = 0; e < 12; ++e) {
        EXPECT_EQ(t[4 * e + 2], entryKeys[e]) << "entry " << e;
    }
    const std::vector<std::uint8_t> tail(t.begin() + 48, t.end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0xF7, 0, 0x01, 0,
                                               0xF8, 0}));
}

}  // namespace
}  // namespace gx508
