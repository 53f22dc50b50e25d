#pragma once

#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The main window's own texts that the central table does not hold: the balloon titles, the
// help menu's version item and the confirmation button of its message box.
enum class MainWindowText {
    Info,               // "Info": title of the balloons that inform
    Warning,            // "Warning": title of the balloon that warns of the lost mouse
    Version,            // "Version:1.3": the help menu's last item
    Ok,                 // the button that confirms the Restore defaults question
    ApplyFailed,        // warns that an apply did not reach the mouse whole
    MouseInaccessible,  // the mouse is plugged in but the system does not let the program open it
};

// The text in a language. The balloon titles and the version item read the same in every
// language; the confirmation button follows it. Empty for `Language::None`.
std::string_view MainWindowTextOf(MainWindowText text, Language language);

}  // namespace gx508
