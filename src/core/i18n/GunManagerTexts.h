// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the gun macro manager window. They exist in Chinese and English only: "CHS",
// "CHT" and "DE" read the Chinese texts, "EN" the English ones.
enum class GunManagerText {
    Title,               // "Gun Managent"
    Ok,                  // "OK"
    Cancel,              // "Cancel"
    New,                 // "New"
    Delete,              // "Delete": the button and the event list's menu entry
    StartRecording,      // the record button while idle
    StopRecording,       // the record button while recording
    InsertKeyboard,      // "Insert Keyboard Events"
    InsertMouse,         // "Insert Mouse Events"
    InsertDisplacement,  // "Insert Cursor Displacements"
    InsertDelay,         // "Insert Delay"
    RecordDelayOption,   // "Record delay"
    LoopOption,          // "Loop"
    NameListHeading,     // "Gun Name"
    EventListHeading,    // "Sequence"
    OptionsHeading,      // "Recording Optoin"
    NewNameWord,         // "GUN": new gun macros are named "<word>_<n>"
    CannotSave,          // the macro file is there but cannot be read or written
    CutShortCaption,     // a gun macro bound to a button no longer fits the mouse
    KeepEditing,         // the warning's buttons
    CloseAnyway,
};

// The text in a language. For `Language::None` every text is empty, except the new-name word
// and the warnings with their buttons, which read in English then: a warning is never blank.
std::string_view GunManagerTextOf(GunManagerText text, Language language);

// The warning shown at OK when the gun macro `name`, bound to a button, no longer fits the
// mouse beside the other bound ones, so that Apply would cut it short.
std::string GunCutShortText(std::string_view name, Language language);

}  // namespace gx508
