// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "core/i18n/Text.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

// What a button does: the category byte of the button in the settings block. The codes are
// part of the block format and of the device codes built from it.
enum class Category : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MiddleClick = 2,
    Forward = 3,
    Back = 4,
    DoubleClick = 5,
    DpiFunction = 6,      // parameter: DPI function kind 1 up, 2 down, 3 cycle
    Multimedia = 7,       // parameter: low byte of a consumer usage
    OfficeShortcut = 8,   // parameter: keyboard usage of the letter sent with Left Ctrl
    WindowsFunction = 9,  // parameter: Windows function kind 0..6
    KeyboardKey = 10,     // parameter: keyboard usage
    Macro = 11,           // parameters: macro slot and run mode
    Disabled = 13,
    TiltLeft = 15,
    TiltRight = 16,
    GunSwitch = 19,  // parameter: the gun switches bound to the button
    AutoRun = 20,
    SkipLeft = 22,
    SkipRight = 23,
};

// The menu commands that assign a function to the current button.
namespace command {

inline constexpr int kFirstDispatched = 1001;  // the dispatcher handles 1001..4000
inline constexpr int kLastDispatched = 4000;

inline constexpr int kClick = 2001;
inline constexpr int kMenu = 2002;
inline constexpr int kScroll = 2003;
inline constexpr int kForward = 2004;
inline constexpr int kBack = 2005;
inline constexpr int kDoubleClick = 2006;
inline constexpr int kLeftTiltScroll = 2007;
inline constexpr int kRightTiltScroll = 2008;
inline constexpr int kAssignKeyboardKey = 2011;
inline constexpr int kMacro = 2012;
inline constexpr int kDeactivated = 2013;
inline constexpr int kFirstDpi = 2020;         // + kind - 1
inline constexpr int kFirstWindows = 2030;     // + k
inline constexpr int kFirstGunAssign = 2040;   // + 2k
inline constexpr int kFirstGunDisable = 2041;  // + 2k
inline constexpr int kFirstMultimedia = 2050;  // + k
inline constexpr int kFirstOffice = 2060;      // + k
inline constexpr int kRun = 2101;
inline constexpr int kSkipLeft = 2103;
inline constexpr int kSkipRight = 2104;
inline constexpr int kFireMode = 2105;
inline constexpr int kFirstGunEnable = 3001;  // + k
// Inert items: outside the dispatched range, choosing one does nothing.
inline constexpr int kStandardKeySwitch = 20000;
inline constexpr int kFirstGunNameItem = 20001;  // + k

}  // namespace command

inline constexpr int kDpiKindCount = 3;
inline constexpr int kMenuGunSwitchCount = 3;    // gun switches 0..2 are reachable from the menu
inline constexpr std::uint8_t kFireModeKey = 5;  // keyboard usage of "B"

// A function the menu sets with one item and labels with that item's text: the category, the
// command and the text. The Fire Mode preset is a keyboard key (kFireModeKey).
struct PresetFunction {
    int command;
    Category category;
    Text text;
};

// Every preset function.
std::span<const PresetFunction> PresetFunctions();

// The preset a command sets, or nullptr.
const PresetFunction* PresetOfCommand(int command);

// The stored usage of multimedia item k (0..7) and of office item k (0..9); 0 for any other k.
std::uint8_t MultimediaUsage(int k);
std::uint8_t OfficeKeyUsage(int k);

// True when button `button`'s category is LeftClick and no other button has it: the menu must
// not open for it, so that one left click always remains. False for an index outside 0..11.
bool IsLastLeftClick(const SettingsBlock& block, int button);

// Caption "Button n" (n = 1..12) to button index 0..11 and back; -1 and 0 outside the ranges.
int ButtonIndexOfCaption(int captionNumber);
int CaptionOfButtonIndex(int button);

}  // namespace gx508
