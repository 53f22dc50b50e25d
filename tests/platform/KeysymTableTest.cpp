// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeysymTable.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>

#include "core/assign/KeyNames.h"

namespace gx508 {
namespace {

// Every key the virtual-key name table names, apart from the five mouse buttons and Num Enter
// (which the key dialogs make of Enter with the extended flag), comes from some keysym; every row
// of the table gives a code the virtual-key table knows or one of the browser and media keys, which
// have no name.
TEST(KeysymTableTest, EveryNamedKeyHasAKeysymAndEveryRowAKnownCode) {
    for (int vk = 0; vk < 256; ++vk) {
        const bool mouseButton = vk >= 0xF1 && vk <= 0xF5;
        if (KeyNameOfVirtualKey(vk).empty() || mouseButton || vk == 0x6C) {
            continue;
        }
        bool found = false;
        for (const KeysymMapping& row : KeysymMappings()) {
            found = found || row.key.code == vk;
        }
        EXPECT_TRUE(found) << "no keysym for " << KeyNameOfVirtualKey(vk);
    }
    for (const KeysymMapping& row : KeysymMappings()) {
        const bool browserOrMedia = row.key.code >= 0xA6 && row.key.code <= 0xB7;
        const bool isoExtra = row.key.code == 0xE2;
        EXPECT_TRUE(!KeyNameOfVirtualKey(row.key.code).empty() || browserOrMedia || isoExtra)
            << "keysym 0x" << std::hex << row.keysym;
        EXPECT_EQ(VirtualKeyOfKeysym(row.keysym), row.key);
    }
}

TEST(KeysymTableTest, KeysGetTheirNamesAndTheExtendedFlag) {
    struct Case {
        unsigned long keysym;
        std::string name;
        bool extended;
    };
    const Case cases[] = {
        {XK_Return, "Enter", false},
        {XK_KP_Enter, "Enter", true},  // the key dialogs turn it into "Num Enter"
        {XK_KP_1, "Num 1", false},
        {XK_KP_End, "Num 1", false},  // the same pad key with Num Lock off
        {XK_KP_Delete, "Num Del", false},
        {XK_KP_Divide, "Num /", true},
        {XK_KP_Multiply, "Num *", false},
        {XK_End, "End", true},
        {XK_Up, "Up", true},
        {XK_Insert, "Insert", true},
        {XK_Shift_L, "Shift", false},
        {XK_Shift_R, "Right Shift", false},
        {XK_Control_L, "Ctrl", false},
        {XK_Control_R, "Right Ctrl", true},
        {XK_Alt_L, "Alt", false},
        {XK_Alt_R, "Right Alt", true},
        {XK_ISO_Level3_Shift, "Right Alt", true},
        {XK_Super_L, "Left Windows", true},
        {XK_Super_R, "Right Windows", true},
        {XK_Menu, "App", true},
        {XK_Num_Lock, "Num Lock", true},
        {XK_Print, "Prnt Scrn", true},
        {XK_Escape, "Esc", false},
        {XK_a, "A", false},
        {XK_A, "A", false},
        {XK_1, "1", false},
        {XK_grave, "`", false},
        {XK_F12, "F12", false},
    };
    for (const Case& c : cases) {
        const VirtualKey key = VirtualKeyOfKeysym(c.keysym);
        EXPECT_EQ(KeyNameOfVirtualKey(key.code), c.name) << "keysym 0x" << std::hex << c.keysym;
        EXPECT_EQ(key.extended, c.extended) << c.name;
    }
}

TEST(KeysymTableTest, MediaKeysAreExtendedAndShiftedSymbolsAreNoKey) {
    EXPECT_EQ(VirtualKeyOfKeysym(XF86XK_AudioMute), (VirtualKey{0xAD, true}));
    EXPECT_EQ(VirtualKeyOfKeysym(XF86XK_AudioPlay), (VirtualKey{0xB3, true}));
    EXPECT_EQ(VirtualKeyOfKeysym(XF86XK_AudioRaiseVolume), (VirtualKey{0xAF, true}));
    const unsigned long noKeys[] = {XK_exclam, XK_at, XK_VoidSymbol, 0};
    for (const unsigned long keysym : noKeys) {
        EXPECT_EQ(VirtualKeyOfKeysym(keysym), VirtualKey{}) << std::hex << keysym;
    }
}

}  // namespace
}  // namespace gx508
