// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The main window's own texts that the central table does not hold: the balloon titles, the
// help menu's version item, the confirmation button of its message box, its own warnings and
// the icon menu's "Start at login".
enum class MainWindowText {
    Info,               // "Info": title of the balloons that inform
    Warning,            // "Warning": title of the balloons that warn
    Version,            // "Version:1.3": the help menu's last item
    Ok,                 // the button that confirms the Restore defaults question
    ApplyFailed,        // warns that an apply did not reach the mouse whole
    MouseInaccessible,  // the mouse is plugged in but the system does not let the program open it
    StartAtLogin,       // the icon menu's item that makes the session start the program
};

// The text in a language.
// - The balloon titles and the version item are fixed texts: the same whatever the language
//   code, an unknown one included.
// - The confirmation button follows the language and is empty for `Language::None`; the window
//   then shows the platform's own text for the button.
// - The warnings and "Start at login" follow the language and read in English for
//   `Language::None`, so that they are never blank.
std::string_view MainWindowTextOf(MainWindowText text, Language language);

}  // namespace gx508
