// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/WindowAssignmentDialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/i18n/MainWindowTexts.h"
#include "gui/assign/CSingleDialog.h"
#include "gui/ui/QtText.h"

namespace gx508 {

// The dialog starts with an empty name whatever the button's current key.
KeyCaptureResult WindowAssignmentDialogs::captureKey(std::optional<std::string> /*currentKey*/) {
    CSingleDialog dialog(m_skin, CodeOf(m_texts.language()), &m_window);
    return dialog.capture();
}

MacroChoice WindowAssignmentDialogs::selectMacro() {
    return {};
}

MacroChoice WindowAssignmentDialogs::selectGunMacro() {
    return {};
}

void WindowAssignmentDialogs::showMessage(std::string text, std::string caption) {
    QMessageBox box(QMessageBox::NoIcon, qText(caption), qText(text), QMessageBox::NoButton,
                    &m_window);
    box.setObjectName(QStringLiteral("assignmentMessage"));
    box.setDefaultButton(box.addButton(
        qText(MainWindowTextOf(MainWindowText::Ok, m_texts.language())), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace gx508
