// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/WindowAssignmentDialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/i18n/MainWindowTexts.h"
#include "gui/assign/CDlgGunMacroSelector.h"
#include "gui/assign/CMacroDialog.h"
#include "gui/assign/CSingleDialog.h"
#include "gui/ui/QtText.h"

namespace gx508 {

// The dialog starts with an empty name whatever the button's current key.
KeyCaptureResult WindowAssignmentDialogs::captureKey(std::optional<std::string> /*currentKey*/) {
    CSingleDialog dialog(m_skin, CodeOf(m_texts.language()), &m_window);
    return dialog.capture();
}

MacroChoice WindowAssignmentDialogs::selectMacro() {
    CMacroDialog dialog(m_skin, m_texts.language(), m_macroStore, &m_window);
    dialog.exec();
    return dialog.choice();
}

MacroChoice WindowAssignmentDialogs::selectGunMacro() {
    CDlgGunMacroSelector dialog(m_skin, m_texts.language(), m_macroStore, &m_window);
    dialog.exec();
    return dialog.choice();
}

void WindowAssignmentDialogs::showMessage(std::string text, std::string caption) {
    QMessageBox box(QMessageBox::NoIcon, qText(caption), qText(text), QMessageBox::NoButton,
                    &m_window);
    box.setObjectName(QStringLiteral("assignmentMessage"));
    // Without a language the button keeps the platform's own text.
    const QString ok = qText(MainWindowTextOf(MainWindowText::Ok, m_texts.language()));
    box.setDefaultButton(ok.isEmpty() ? box.addButton(QMessageBox::Ok)
                                      : box.addButton(ok, QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace gx508
