// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/KeyNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace gx508 {
namespace {

TEST(KeyNamesTest, EveryNameOfTheKeyCodeTableMapsBackToItsCode) {
    std::set<std::string_view> names;
    std::set<int> codes;
    for (int i = 0; i < kKeyCodeCount; ++i) {
        const KeyCodeEntry e = KeyCodeEntryAt(i);
        ASSERT_FALSE(e.name.empty()) << i;
        EXPECT_EQ(KeyCodeOfName(e.name), e.code) << e.name;
        EXPECT_EQ(KeyNameOfCode(e.code), e.name) << int{e.code};
        names.insert(e.name);
        codes.insert(e.code);
    }
    EXPECT_EQ(names.size(), 108u);
    EXPECT_EQ(codes.size(), 108u);
    EXPECT_TRUE(KeyCodeEntryAt(kKeyCodeCount).name.empty());
    EXPECT_TRUE(KeyCodeEntryAt(-1).name.empty());
}

struct NameCase {
    std::string_view name;
    std::uint8_t code;
};

TEST(KeyNamesTest, KeyCodeOfNameComparesTheWholeTextExactly) {
    const NameCase cases[] = {
        {"A", 0x04},
        {"a", 0},
        {"Z", 0x1D},
        {"1", 0x1E},
        {"0", 0x27},
        {"Eurpo(Note 2)", 0x32},
        {"\\", 0x31},
        {"Num Enter", 0x58},
        {"Num Del", 0x63},
        {"Application", 0x65},
        {"Ctrl", 0xE0},
        {"Shift", 0xE1},
        {"Alt", 0xE2},
        {"Left Windows", 0xE3},
        {"Right Windows", 0xE7},
        {"L-Button", 0xF0},
        {"M-Button", 0xF2},
        // Names the virtual-key table produces but the mouse cannot receive.
        {"App", 0},
        {"Select", 0},
        {"Execute", 0},
        {"Help", 0},
        {"Button 4", 0},
        {"Button 5", 0},
        {"", 0},
        {"A ", 0},
        {" A", 0},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(KeyCodeOfName(c.name), c.code) << '"' << c.name << '"';
    }
    EXPECT_EQ(KeyCodeOfName(std::string_view("F1\0", 3)), 0);
}

TEST(KeyNamesTest, KeyNameOfCodeGivesNotAvailableForUnknownCodes) {
    EXPECT_EQ(KeyNameOfCode(5), "B");
    EXPECT_EQ(KeyNameOfCode(0xE3), "Left Windows");
    for (int code : {0, 1, 3, 0x64, 0x66, 0xDF, 0xE8, 0xEF, 0xF3, 0xFF, 256, 0x104, -1}) {
        EXPECT_EQ(KeyNameOfCode(code), "N/A") << code;
    }
}

struct VirtualKeyCase {
    int vk;
    std::string_view first;
    std::string_view second;
};

TEST(KeyNamesTest, VirtualKeyVariantsDifferOnlyInTheMouseButtonCodes) {
    const VirtualKeyCase cases[] = {
        {0x07, "", ""},
        {0x08, "Backspace", "Backspace"},
        {0x0D, "Enter", "Enter"},
        {0x10, "", ""},
        {0x11, "", ""},
        {0x12, "", ""},
        {0x2A, "", ""},
        {0x2B, "Execute", "Execute"},
        {0x41, "A", "A"},
        {0x5D, "App", "App"},
        {0x6C, "Num Enter", "Num Enter"},
        {0x6E, "Num Del", "Num Del"},
        {0x7B, "F12", "F12"},
        {0xA0, "Shift", "Shift"},
        {0xA1, "Right Shift", "Right Shift"},
        {0xA2, "Ctrl", "Ctrl"},
        {0xA3, "Right Ctrl", "Right Ctrl"},
        {0xA4, "Alt", "Alt"},
        {0xA5, "Right Alt", "Right Alt"},
        {0xC0, "`", "`"},
        {0xDC, "\\", "\\"},
        {0xF0, "", "L-Button"},
        {0xF1, "L-Button", "R-Button"},
        {0xF2, "R-Button", "M-Button"},
        {0xF3, "M-Button", "Button 4"},
        {0xF4, "Button 4", "Button 5"},
        {0xF5, "Button 5", ""},
        {0xF6, "", ""},
        {0xFF, "", ""},
        {0x100 + 0x41, "", ""},
        {-0xBF, "", ""},
        {-1, "", ""},
    };
    for (const VirtualKeyCase& c : cases) {
        EXPECT_EQ(KeyNameOfVirtualKey(c.vk), c.first) << std::hex << c.vk;
        EXPECT_EQ(GunKeyNameOfVirtualKey(c.vk), c.second) << std::hex << c.vk;
    }
}

TEST(KeyNamesTest, DigitsLettersAndFunctionKeysNameEveryCodeOfTheirRange) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(KeyNameOfVirtualKey(0x41 + i), std::string(1, static_cast<char>('A' + i)));
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(KeyNameOfVirtualKey(0x30 + i), std::string(1, static_cast<char>('0' + i)));
        EXPECT_EQ(KeyNameOfVirtualKey(0x60 + i), "Num " + std::to_string(i));
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(KeyNameOfVirtualKey(0x70 + i), "F" + std::to_string(i + 1));
    }
}

}  // namespace
TEST(KeyNamesTest, AStrokeIsNamedByItsVirtualKeyWithTheExtendedEnterOnTheNumericPad) {
    struct StrokeCase {
        KeyStroke stroke;
        std::string_view name;
    };
    const StrokeCase cases[] = {
        {{0x0D, false, false}, "Enter"},   {{0x0D, true, false}, "Num Enter"},
        {{0x0D, true, true}, "Num Enter"}, {{0x41, true, true}, "A"},
        {{0x1B, false, false}, "Esc"},     {{0x5B, true, false}, "Left Windows"},
        {{0x00, false, false}, ""},
    };
    for (const StrokeCase& c : cases) {
        EXPECT_EQ(KeyNameOfStroke(c.stroke), c.name) << std::hex << c.stroke.virtualKey;
    }
}

}  // namespace gx508
