// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assign/AssignmentDialogs.h"

namespace gx508 {

// The assignment dialogs of the command line: each one answers OK at once with the choice the
// command line gave it, or Cancel when it gave none; a message box keeps its text, so that the
// command can print the refusal it reports.
class ArgumentDialogs final : public AssignmentDialogs {
  public:
    void giveKey(std::string name) { m_key = std::move(name); }
    void giveMacro(MacroChoice choice) { m_macro = std::move(choice); }
    void giveGunMacro(MacroChoice choice) { m_gunMacro = std::move(choice); }

    KeyCaptureResult captureKey(std::optional<std::string> currentKey) override;
    MacroChoice selectMacro() override;
    MacroChoice selectGunMacro() override;
    void showMessage(std::string text, std::string caption) override;

    // The texts of the message boxes shown so far, in order.
    const std::vector<std::string>& messages() const { return m_messages; }

  private:
    std::optional<std::string> m_key;
    std::optional<MacroChoice> m_macro;
    std::optional<MacroChoice> m_gunMacro;
    std::vector<std::string> m_messages;
};

}  // namespace gx508
