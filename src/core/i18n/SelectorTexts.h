// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the macro selector and the gun macro selector.
enum class SelectorText {
    MacroHint,        // "Please select a macro!": above the macro selector's name field
    GunHint,          // "Please select a Gun!": above the gun macro selector's name field
    Ok,               // "OK"
    Cancel,           // "Cancel"
    PlayOnce,         // play mode 0: the macro runs once per press
    LoopUntilAnyKey,  // play mode 1: it loops until any button is pressed
    LoopWhileHeld,    // play mode 2: it loops until the button is released
};

inline constexpr int kPlayModeCount = 3;

// The text in a language; empty for `Language::None`.
std::string_view SelectorTextOf(SelectorText text, Language language);

// The description of play mode 0..2 (the same in both selectors).
std::string_view PlayModeText(std::uint8_t mode, Language language);

}  // namespace gx508
