// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the macro and gun macro stores: the words New macros are named with and the
// refusal shown when the macro list is full.
enum class MacroText {
    NewMacroWord,       // "Macro": New names a macro "Macro_%d"
    NewGunMacroWord,    // "GUN": New names a gun macro "GUN_%d"
    MacroLimitCaption,  // "ATTENTION!"
    MacroLimitMessage,  // "Up to 12 Macros Possible."
};

// The text in a language; empty for `Language::None`. The gun macro word is the Chinese one
// for both Chinese languages and "GUN" for English and German.
std::string_view MacroTextOf(MacroText text, Language language);

}  // namespace gx508
