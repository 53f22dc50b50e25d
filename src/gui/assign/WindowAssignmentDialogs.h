// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <utility>

#include "core/assign/AssignmentDialogs.h"
#include "core/i18n/LanguageTable.h"

class QWidget;

namespace gx508 {

class Skin;

// The dialogs the assignment dispatcher opens from the main window, modal over it and in the
// interface language. The selectors read their names from the macro store `macroStore`.
class WindowAssignmentDialogs final : public AssignmentDialogs {
  public:
    WindowAssignmentDialogs(QWidget& window, const LanguageTable& texts, const Skin& skin,
                            std::filesystem::path macroStore)
        : m_window(window), m_texts(texts), m_skin(skin), m_macroStore(std::move(macroStore)) {}

    KeyCaptureResult captureKey(std::optional<std::string> currentKey) override;
    MacroChoice selectMacro() override;
    MacroChoice selectGunMacro() override;
    void showMessage(std::string text, std::string caption) override;

  private:
    QWidget& m_window;
    const LanguageTable& m_texts;
    const Skin& m_skin;
    std::filesystem::path m_macroStore;
};

}  // namespace gx508
