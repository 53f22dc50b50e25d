// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "core/assign/KeySource.h"

namespace gx508 {

// Keys travel through the program by name. A pressed key arrives as a virtual-key code and is
// named by the virtual-key table; a name that has to reach the mouse becomes a keyboard usage
// code through the key-code table. The two tables meet only through the name texts.

// The name of a virtual-key code in the variant used by the key capture dialog, the macro
// recorder and the gun keyboard step dialog (mouse buttons at 0xF1..0xF5). Empty when the code
// has no name.
std::string_view KeyNameOfVirtualKey(int vk);

// The name the key capture dialogs show for a keystroke: that of its virtual key, except that
// Enter with the extended flag is the numeric-pad Enter (code 0x6C), "Num Enter".
std::string_view KeyNameOfStroke(const KeyStroke& stroke);

// The same for the variant used by the gun macro manager's recorder (mouse buttons at
// 0xF0..0xF4).
std::string_view GunKeyNameOfVirtualKey(int vk);

// The keyboard usage code of a key name (whole text, exact case); 0 when the name is unknown.
std::uint8_t KeyCodeOfName(std::string_view name);

// The key name of a keyboard usage code; "N/A" when the code is unknown.
std::string_view KeyNameOfCode(int code);

// One row of the key-code table.
struct KeyCodeEntry {
    std::string_view name;
    std::uint8_t code;
};

// The number of rows of the key-code table.
constexpr int kKeyCodeCount = 108;

// Row i (0..kKeyCodeCount-1) of the key-code table, in table order.
KeyCodeEntry KeyCodeEntryAt(int i);

}  // namespace gx508
