// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the macro manager window: its title and headings, its options and buttons, the
// two labels of the record button, the event list's right-button menu and the warning shown
// when the macro file cannot be saved.
enum class MacroManagerText {
    Title,              // "Macro Manager"
    MacroListHeading,   // "Select Macro"
    EventListHeading,   // "Keystroke Sequence"
    OptionsHeading,     // "Options"
    RecordDelayOption,  // "Record delay between keystrokes"
    LoopLabel,          // "Number of Loops"
    Ok,                 // "OK"
    Cancel,             // "Cancel"
    New,                // "New"
    Delete,             // "Delete": the button and the menu entry
    StartRecording,     // the record button while idle
    StopRecording,      // the record button while recording
    InsertLeftButton,   // menu entries
    InsertMiddleButton,
    InsertRightButton,
    InsertDelay,
    CannotSave,  // the macro file is there but cannot be read or written
};

// The text in a language. Every text but CannotSave is empty for `Language::None`; CannotSave
// reads in English then, so that the warning is never blank.
std::string_view MacroManagerTextOf(MacroManagerText text, Language language);

}  // namespace gx508
