// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/i18n/FontRule.h"
#include "core/i18n/Language.h"

namespace gx508 {

// The texts of the single key capture dialog.
enum class KeyCaptureText {
    Prompt,  // "Please assign a key"
    Ok,      // "Ok"
    Cancel,  // "Cancel"
};

// The text in a language; empty for `Language::None`.
std::string_view KeyCaptureTextOf(KeyCaptureText text, Language language);

// The dialog's font, normal weight: "黑体" of height 13 for "CHS" and "CHT", "Arial" of
// height 14 for every other code.
FontRule KeyCaptureFont(std::string_view code);

// The message box shown when the dialog's background image cannot be loaded: its text
// "error" and its caption; the same in every language.
inline constexpr std::string_view kKeyCaptureBackgroundText = "error";
inline constexpr std::string_view kKeyCaptureBackgroundCaption =
    "Single Key Dialog Load background image failed!!!";

// The message shown when the desktop's keys cannot be captured, with the system's code.
std::string KeyCaptureFailedText(int code);

}  // namespace gx508
