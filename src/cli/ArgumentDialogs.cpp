// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ArgumentDialogs.h"

namespace gx508 {

KeyCaptureResult ArgumentDialogs::captureKey(std::optional<std::string> /*currentKey*/) {
    return m_key ? KeyCaptureResult{true, *m_key} : KeyCaptureResult{};
}

MacroChoice ArgumentDialogs::selectMacro() {
    return m_macro.value_or(MacroChoice{});
}

MacroChoice ArgumentDialogs::selectGunMacro() {
    return m_gunMacro.value_or(MacroChoice{});
}

void ArgumentDialogs::showMessage(std::string text, std::string /*caption*/) {
    m_messages.push_back(std::move(text));
}

}  // namespace gx508
