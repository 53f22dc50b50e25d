// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeysymTable.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace gx508 {

namespace {

constexpr VirtualKey Plain(int code) {
    return {code, false};
}

constexpr VirtualKey Extended(int code) {
    return {code, true};
}

constexpr auto kTable = std::to_array<KeysymMapping>({
    {XK_BackSpace, Plain(0x08)},
    {XK_Tab, Plain(0x09)},
    {XK_ISO_Left_Tab, Plain(0x09)},
    {XK_Return, Plain(0x0D)},
    {XK_KP_Enter, Extended(0x0D)},
    {XK_Pause, Plain(0x13)},
    {XK_Caps_Lock, Plain(0x14)},
    {XK_Escape, Plain(0x1B)},
    {XK_space, Plain(0x20)},
    {XK_Prior, Extended(0x21)},
    {XK_Next, Extended(0x22)},
    {XK_End, Extended(0x23)},
    {XK_Home, Extended(0x24)},
    {XK_Left, Extended(0x25)},
    {XK_Up, Extended(0x26)},
    {XK_Right, Extended(0x27)},
    {XK_Down, Extended(0x28)},
    {XK_Select, Plain(0x29)},
    {XK_Execute, Plain(0x2B)},
    {XK_Print, Extended(0x2C)},
    {XK_Insert, Extended(0x2D)},
    {XK_Delete, Extended(0x2E)},
    {XK_Help, Plain(0x2F)},
    {XK_0, Plain(0x30)},
    {XK_1, Plain(0x31)},
    {XK_2, Plain(0x32)},
    {XK_3, Plain(0x33)},
    {XK_4, Plain(0x34)},
    {XK_5, Plain(0x35)},
    {XK_6, Plain(0x36)},
    {XK_7, Plain(0x37)},
    {XK_8, Plain(0x38)},
    {XK_9, Plain(0x39)},
    {XK_a, Plain(0x41)},
    {XK_b, Plain(0x42)},
    {XK_c, Plain(0x43)},
    {XK_d, Plain(0x44)},
    {XK_e, Plain(0x45)},
    {XK_f, Plain(0x46)},
    {XK_g, Plain(0x47)},
    {XK_h, Plain(0x48)},
    {XK_i, Plain(0x49)},
    {XK_j, Plain(0x4A)},
    {XK_k, Plain(0x4B)},
    {XK_l, Plain(0x4C)},
    {XK_m, Plain(0x4D)},
    {XK_n, Plain(0x4E)},
    {XK_o, Plain(0x4F)},
    {XK_p, Plain(0x50)},
    {XK_q, Plain(0x51)},
    {XK_r, Plain(0x52)},
    {XK_s, Plain(0x53)},
    {XK_t, Plain(0x54)},
    {XK_u, Plain(0x55)},
    {XK_v, Plain(0x56)},
    {XK_w, Plain(0x57)},
    {XK_x, Plain(0x58)},
    {XK_y, Plain(0x59)},
    {XK_z, Plain(0x5A)},
    {XK_Super_L, Extended(0x5B)},
    {XK_Super_R, Extended(0x5C)},
    {XK_Menu, Extended(0x5D)},
    {XK_KP_0, Plain(0x60)},
    {XK_KP_Insert, Plain(0x60)},
    {XK_KP_1, Plain(0x61)},
    {XK_KP_End, Plain(0x61)},
    {XK_KP_2, Plain(0x62)},
    {XK_KP_Down, Plain(0x62)},
    {XK_KP_3, Plain(0x63)},
    {XK_KP_Next, Plain(0x63)},
    {XK_KP_4, Plain(0x64)},
    {XK_KP_Left, Plain(0x64)},
    {XK_KP_5, Plain(0x65)},
    {XK_KP_Begin, Plain(0x65)},
    {XK_KP_6, Plain(0x66)},
    {XK_KP_Right, Plain(0x66)},
    {XK_KP_7, Plain(0x67)},
    {XK_KP_Home, Plain(0x67)},
    {XK_KP_8, Plain(0x68)},
    {XK_KP_Up, Plain(0x68)},
    {XK_KP_9, Plain(0x69)},
    {XK_KP_Prior, Plain(0x69)},
    {XK_KP_Multiply, Plain(0x6A)},
    {XK_KP_Add, Plain(0x6B)},
    {XK_KP_Subtract, Plain(0x6D)},
    {XK_KP_Decimal, Plain(0x6E)},
    {XK_KP_Delete, Plain(0x6E)},
    {XK_KP_Divide, Extended(0x6F)},
    {XK_F1, Plain(0x70)},
    {XK_F2, Plain(0x71)},
    {XK_F3, Plain(0x72)},
    {XK_F4, Plain(0x73)},
    {XK_F5, Plain(0x74)},
    {XK_F6, Plain(0x75)},
    {XK_F7, Plain(0x76)},
    {XK_F8, Plain(0x77)},
    {XK_F9, Plain(0x78)},
    {XK_F10, Plain(0x79)},
    {XK_F11, Plain(0x7A)},
    {XK_F12, Plain(0x7B)},
    {XK_Num_Lock, Extended(0x90)},
    {XK_Scroll_Lock, Plain(0x91)},
    {XK_Shift_L, Plain(0xA0)},
    {XK_Shift_R, Plain(0xA1)},
    {XK_Control_L, Plain(0xA2)},
    {XK_Control_R, Extended(0xA3)},
    {XK_Alt_L, Plain(0xA4)},
    {XK_Alt_R, Extended(0xA5)},
    {XK_ISO_Level3_Shift, Extended(0xA5)},
    {XF86XK_Back, Extended(0xA6)},
    {XF86XK_Forward, Extended(0xA7)},
    {XF86XK_Refresh, Extended(0xA8)},
    {XF86XK_Stop, Extended(0xA9)},
    {XF86XK_Search, Extended(0xAA)},
    {XF86XK_Favorites, Extended(0xAB)},
    {XF86XK_HomePage, Extended(0xAC)},
    {XF86XK_AudioMute, Extended(0xAD)},
    {XF86XK_AudioLowerVolume, Extended(0xAE)},
    {XF86XK_AudioRaiseVolume, Extended(0xAF)},
    {XF86XK_AudioNext, Extended(0xB0)},
    {XF86XK_AudioPrev, Extended(0xB1)},
    {XF86XK_AudioStop, Extended(0xB2)},
    {XF86XK_AudioPlay, Extended(0xB3)},
    {XF86XK_AudioPause, Extended(0xB3)},
    {XF86XK_Mail, Extended(0xB4)},
    {XF86XK_AudioMedia, Extended(0xB5)},
    {XF86XK_MyComputer, Extended(0xB6)},
    {XF86XK_Calculator, Extended(0xB7)},
    {XK_semicolon, Plain(0xBA)},
    {XK_equal, Plain(0xBB)},
    {XK_comma, Plain(0xBC)},
    {XK_minus, Plain(0xBD)},
    {XK_period, Plain(0xBE)},
    {XK_slash, Plain(0xBF)},
    {XK_grave, Plain(0xC0)},
    {XK_bracketleft, Plain(0xDB)},
    {XK_backslash, Plain(0xDC)},
    {XK_bracketright, Plain(0xDD)},
    {XK_apostrophe, Plain(0xDE)},
    {XK_less, Plain(0xE2)},
});

constexpr bool EachKeysymOnce() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        for (std::size_t j = i + 1; j < kTable.size(); ++j) {
            if (kTable[i].keysym == kTable[j].keysym) {
                return false;
            }
        }
    }
    return true;
}

static_assert(EachKeysymOnce(), "a keysym names one key");

}  // namespace

VirtualKey VirtualKeyOfKeysym(unsigned long keysym) {
    if (keysym >= XK_A && keysym <= XK_Z) {
        keysym += XK_a - XK_A;
    }
    for (const KeysymMapping& row : kTable) {
        if (row.keysym == keysym) {
            return row.key;
        }
    }
    return {};
}

std::span<const KeysymMapping> KeysymMappings() {
    return kTable;
}

}  // namespace gx508
