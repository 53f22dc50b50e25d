// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/assign/AssignmentDialogs.h"
#include "core/i18n/LanguageTable.h"

class QWidget;

namespace gx508 {

class Skin;

// The dialogs the assignment dispatcher opens from the main window, modal over it, in the
// interface language. The two macro selectors are not part of the program yet: until they are,
// choosing "Macro" or a gun switch's "Assign" ends as their Cancel does and changes nothing.
class WindowAssignmentDialogs final : public AssignmentDialogs {
  public:
    WindowAssignmentDialogs(QWidget& window, const LanguageTable& texts, const Skin& skin)
        : m_window(window), m_texts(texts), m_skin(skin) {}

    KeyCaptureResult captureKey(std::optional<std::string> currentKey) override;
    MacroChoice selectMacro() override;
    MacroChoice selectGunMacro() override;
    void showMessage(std::string text, std::string caption) override;

  private:
    QWidget& m_window;
    const LanguageTable& m_texts;
    const Skin& m_skin;
};

}  // namespace gx508
