// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/WindowAssignmentDialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/i18n/MainWindowTexts.h"
#include "gui/ui/QtText.h"

namespace gx508 {

KeyCaptureResult WindowAssignmentDialogs::captureKey(std::optional<std::string> /*currentKey*/) {
    return {};
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
