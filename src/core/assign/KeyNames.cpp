// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/KeyNames.h"

#include <array>

namespace gx508 {
namespace {

// Names to keyboard usage codes. Lookups by name take the first equal entry in this order.
constexpr std::array<KeyCodeEntry, kKeyCodeCount> kKeyCodes{{
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"0", 0x27},
    {"Enter", 0x28},
    {"Esc", 0x29},
    {"Backspace", 0x2A},
    {"Tab", 0x2B},
    {"Space", 0x2C},
    {"-", 0x2D},
    {"=", 0x2E},
    {"[", 0x2F},
    {"]", 0x30},
    {"\\", 0x31},
    {"Eurpo(Note 2)", 0x32},
    {";", 0x33},
    {"'", 0x34},
    {"`", 0x35},
    {",", 0x36},
    {".", 0x37},
    {"/", 0x38},
    {"Caps Lock", 0x39},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"Prnt Scrn", 0x46},
    {"Scroll Lock", 0x47},
    {"Pause", 0x48},
    {"Insert", 0x49},
    {"Home", 0x4A},
    {"Page Up", 0x4B},
    {"Delete", 0x4C},
    {"End", 0x4D},
    {"Page Down", 0x4E},
    {"Right", 0x4F},
    {"Left", 0x50},
    {"Down", 0x51},
    {"Up", 0x52},
    {"Num Lock", 0x53},
    {"Num /", 0x54},
    {"Num *", 0x55},
    {"Num -", 0x56},
    {"Num +", 0x57},
    {"Num Enter", 0x58},
    {"Num 1", 0x59},
    {"Num 2", 0x5A},
    {"Num 3", 0x5B},
    {"Num 4", 0x5C},
    {"Num 5", 0x5D},
    {"Num 6", 0x5E},
    {"Num 7", 0x5F},
    {"Num 8", 0x60},
    {"Num 9", 0x61},
    {"Num 0", 0x62},
    {"Num Del", 0x63},
    {"Application", 0x65},
    {"Ctrl", 0xE0},
    {"Shift", 0xE1},
    {"Alt", 0xE2},
    {"Left Windows", 0xE3},
    {"Right Ctrl", 0xE4},
    {"Right Shift", 0xE5},
    {"Right Alt", 0xE6},
    {"Right Windows", 0xE7},
    {"L-Button", 0xF0},
    {"R-Button", 0xF1},
    {"M-Button", 0xF2},
}};

struct VirtualKeyEntry {
    std::uint8_t vk;
    std::string_view name;
};

// Virtual-key codes with a name, apart from the five mouse buttons whose codes differ between
// the two variants.
constexpr VirtualKeyEntry kVirtualKeys[] = {
    {0x08, "Backspace"},
    {0x09, "Tab"},
    {0x0D, "Enter"},
    {0x13, "Pause"},
    {0x14, "Caps Lock"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x21, "Page Up"},
    {0x22, "Page Down"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x29, "Select"},
    {0x2B, "Execute"},
    {0x2C, "Prnt Scrn"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
    {0x2F, "Help"},
    {0x30, "0"},
    {0x31, "1"},
    {0x32, "2"},
    {0x33, "3"},
    {0x34, "4"},
    {0x35, "5"},
    {0x36, "6"},
    {0x37, "7"},
    {0x38, "8"},
    {0x39, "9"},
    {0x41, "A"},
    {0x42, "B"},
    {0x43, "C"},
    {0x44, "D"},
    {0x45, "E"},
    {0x46, "F"},
    {0x47, "G"},
    {0x48, "H"},
    {0x49, "I"},
    {0x4A, "J"},
    {0x4B, "K"},
    {0x4C, "L"},
    {0x4D, "M"},
    {0x4E, "N"},
    {0x4F, "O"},
    {0x50, "P"},
    {0x51, "Q"},
    {0x52, "R"},
    {0x53, "S"},
    {0x54, "T"},
    {0x55, "U"},
    {0x56, "V"},
    {0x57, "W"},
    {0x58, "X"},
    {0x59, "Y"},
    {0x5A, "Z"},
    {0x5B, "Left Windows"},
    {0x5C, "Right Windows"},
    {0x5D, "App"},
    {0x60, "Num 0"},
    {0x61, "Num 1"},
    {0x62, "Num 2"},
    {0x63, "Num 3"},
    {0x64, "Num 4"},
    {0x65, "Num 5"},
    {0x66, "Num 6"},
    {0x67, "Num 7"},
    {0x68, "Num 8"},
    {0x69, "Num 9"},
    {0x6A, "Num *"},
    {0x6B, "Num +"},
    {0x6C, "Num Enter"},
    {0x6D, "Num -"},
    {0x6E, "Num Del"},
    {0x6F, "Num /"},
    {0x70, "F1"},
    {0x71, "F2"},
    {0x72, "F3"},
    {0x73, "F4"},
    {0x74, "F5"},
    {0x75, "F6"},
    {0x76, "F7"},
    {0x77, "F8"},
    {0x78, "F9"},
    {0x79, "F10"},
    {0x7A, "F11"},
    {0x7B, "F12"},
    {0x90, "Num Lock"},
    {0x91, "Scroll Lock"},
    {0xA0, "Shift"},
    {0xA1, "Right Shift"},
    {0xA2, "Ctrl"},
    {0xA3, "Right Ctrl"},
    {0xA4, "Alt"},
    {0xA5, "Right Alt"},
    {0xBA, ";"},
    {0xBB, "="},
    {0xBC, ","},
    {0xBD, "-"},
    {0xBE, "."},
    {0xBF, "/"},
    {0xC0, "`"},
    {0xDB, "["},
    {0xDC, "\\"},
    {0xDD, "]"},
    {0xDE, "'"},
};

// The five mouse-button names, from the first mouse-button code of a variant on.
constexpr std::string_view kMouseButtonNames[] = {"L-Button", "R-Button", "M-Button", "Button 4",
                                                  "Button 5"};
constexpr int kMouseButtonCount = 5;

constexpr int kFirstVirtualKey = 0x08;
constexpr int kKeyboardMouseBase = 0xF1;
constexpr int kGunMouseBase = 0xF0;

constexpr std::string_view kNotAvailable = "N/A";

// The virtual-key table of one variant, indexed by the code directly.
using VirtualKeyTable = std::array<std::string_view, 256>;

constexpr VirtualKeyTable MakeVirtualKeyTable(int mouseBase) {
    VirtualKeyTable table{};
    for (const VirtualKeyEntry& e : kVirtualKeys) {
        table[e.vk] = e.name;
    }
    for (int i = 0; i < kMouseButtonCount; ++i) {
        table[static_cast<std::size_t>(mouseBase + i)] = kMouseButtonNames[i];
    }
    return table;
}

constexpr VirtualKeyTable kKeyboardVariant = MakeVirtualKeyTable(kKeyboardMouseBase);
constexpr VirtualKeyTable kGunVariant = MakeVirtualKeyTable(kGunMouseBase);

std::string_view Lookup(const VirtualKeyTable& table, int vk, int last) {
    if (vk < kFirstVirtualKey || vk > last) {
        return {};
    }
    return table[static_cast<std::size_t>(vk)];
}

}  // namespace

std::string_view KeyNameOfVirtualKey(int vk) {
    return Lookup(kKeyboardVariant, vk, kKeyboardMouseBase + kMouseButtonCount - 1);
}

std::string_view KeyNameOfStroke(const KeyStroke& stroke) {
    constexpr int kEnterKey = 0x0D;
    constexpr int kNumEnterKey = 0x6C;
    return KeyNameOfVirtualKey(
        stroke.virtualKey == kEnterKey && stroke.extended ? kNumEnterKey : stroke.virtualKey);
}

std::string_view GunKeyNameOfVirtualKey(int vk) {
    return Lookup(kGunVariant, vk, kGunMouseBase + kMouseButtonCount - 1);
}

std::uint8_t KeyCodeOfName(std::string_view name) {
    for (const KeyCodeEntry& e : kKeyCodes) {
        if (e.name == name) {
            return e.code;
        }
    }
    return 0;
}

std::string_view KeyNameOfCode(int code) {
    for (const KeyCodeEntry& e : kKeyCodes) {
        if (e.code == code) {
            return e.name;
        }
    }
    return kNotAvailable;
}

KeyCodeEntry KeyCodeEntryAt(int i) {
    if (i < 0 || i >= kKeyCodeCount) {
        return {};
    }
    return kKeyCodes[static_cast<std::size_t>(i)];
}

}  // namespace gx508
