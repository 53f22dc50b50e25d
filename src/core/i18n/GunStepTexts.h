// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/i18n/FontRule.h"
#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the gun macro manager's three step dialogs.
enum class GunStepText {
    KeyTitle,       // "Insert Keyboard Key"
    KeyPrompt,      // "Please assign a key"
    KeyOk,          // "Ok"
    KeyCancel,      // "Cancel"
    MouseTitle,     // "Insert Mouse Event"
    MouseOk,        // "OK"
    MouseCancel,    // "Cancel"
    MouseLeft,      // "Left", mouse event 0
    MouseRight,     // "Right"
    MouseMiddle,    // "Middle"
    MouseForward,   // "Forward"
    MouseBack,      // "Back", mouse event 4
    CursorTitle,    // "Insert Cursor Displacements"
    CursorOk,       // "OK"
    CursorCancel,   // "Cancel"
    CursorRefused,  // why OK does not take the typed amounts
};

// The text in a language. The keyboard dialog's texts are English for `Language::None`; the
// other dialogs' texts are empty then, except the refusal, which is English: a refusal has to
// say why.
std::string_view GunStepTextOf(GunStepText text, Language language);

// The label of mouse event 0..4 (Left, Right, Middle, Forward, Back).
std::string_view GunMouseEventText(int event, Language language);

// The message box shown when a dialog's background image cannot be loaded: its text "error"
// and its caption; the same in every language.
inline constexpr std::string_view kGunStepBackgroundText = "error";
inline constexpr std::string_view kGunStepBackgroundCaption =
    "Dialog Load background image failed!!!";

// The dialogs' font, normal weight: "宋体" of height 13 for "CHS", "黑体" of height 13 for
// "CHT", "Arial" of height 14 for every other code.
FontRule GunStepFont(std::string_view code);

}  // namespace gx508
