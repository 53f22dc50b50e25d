// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the profile manager: its title, the word New profiles are named with, its
// buttons and right-button menu, and the refusal shown when the list is full.
enum class ProfileText {
    Title,           // "Configuration"
    NewProfileWord,  // "Profile": New names a profile "Profile %d"
    New,             // "New"
    Delete,          // "Delete"
    Edit,            // "Edit"
    Copy,            // "Copy": also the word a copy's name starts with
    Load,            // "Load"
    Save,            // "Save"
    LimitCaption,    // "ATTENTION!"
    LimitMessage,    // "Up to 6 Profiles Possible."
};

// The text in a language; empty for `Language::None`.
std::string_view ProfileTextOf(ProfileText text, Language language);

}  // namespace gx508
