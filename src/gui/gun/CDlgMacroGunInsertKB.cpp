// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunInsertKB.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>

#include "core/assign/KeyNames.h"
#include "core/i18n/GunStepTexts.h"
#include "core/i18n/KeyCaptureTexts.h"
#include "gui/assign/DesktopKeySource.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/QtText.h"

namespace gx508 {

namespace {

constexpr QColor kFieldColour{109, 109, 109};

}  // namespace

CDlgMacroGunInsertKB::CDlgMacroGunInsertKB(const Skin& skin, std::string_view languageCode,
                                           QWidget* parent)
    : GunStepDialog(skin, kGunKeyDialogFile, languageCode, parent) {
    setObjectName(QStringLiteral("gunKeyDialog"));
    setWindowTitle(qText(GunStepTextOf(GunStepText::KeyTitle, m_language)));

    m_keyNameField = new QLabel(this);
    m_keyNameField->setObjectName(QStringLiteral("keyName"));
    m_keyNameField->setGeometry(kKeyName);
    m_keyNameField->setAlignment(Qt::AlignCenter);
    QPalette field = m_keyNameField->palette();
    field.setColor(QPalette::Window, kFieldColour);
    field.setColor(QPalette::WindowText, Qt::white);
    m_keyNameField->setPalette(field);
    m_keyNameField->setAutoFillBackground(true);

    m_close = addButton(kCloseButton, {}, kCloseNormalFile, kCloseOverFile);
    m_ok = addButton(kOkButton, GunStepTextOf(GunStepText::KeyOk, m_language),
                     kDialogButtonNormalFile, kDialogButtonOverFile);
    m_cancel = addButton(kCancelButton, GunStepTextOf(GunStepText::KeyCancel, m_language),
                         kDialogButtonNormalFile, kDialogButtonOverFile);
    m_close->setObjectName(QStringLiteral("close"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_close, &CBitmapBtn::clicked, this, &QDialog::reject);
    connect(m_ok, &CBitmapBtn::clicked, this, &QDialog::accept);
    connect(m_cancel, &CBitmapBtn::clicked, this, &QDialog::reject);

    m_keys = makeDesktopKeySource(*this);
}

CDlgMacroGunInsertKB::~CDlgMacroGunInsertKB() = default;

std::optional<std::string> CDlgMacroGunInsertKB::ask() {
    if (refuseWithoutBackground()) {
        return std::nullopt;
    }
    const Status started = m_keys->Start([this](const KeyStroke& stroke) { keyCaptured(stroke); });
    if (!started) {
        QMessageBox box(QMessageBox::NoIcon, QString(), qText(KeyCaptureFailedText(started.code())),
                        QMessageBox::Ok, parentWidget());
        box.setObjectName(QStringLiteral("gunStepMessage"));
        box.exec();
    }
    const bool ok = exec() == QDialog::Accepted;
    m_keys->Stop();
    if (!ok || m_keyName.empty()) {
        return std::nullopt;
    }
    return m_keyName;
}

void CDlgMacroGunInsertKB::keyCaptured(const KeyStroke& stroke) {
    m_keyName = std::string(KeyNameOfStroke(stroke));
    m_keyNameField->setText(qText(m_keyName));
}

void CDlgMacroGunInsertKB::paintOver(QPainter& painter) {
    drawText(painter, kTitle, GunStepTextOf(GunStepText::KeyTitle, m_language));
    drawText(painter, kPrompt, GunStepTextOf(GunStepText::KeyPrompt, m_language));
}

// Without a capture the keys come here; none of them closes the dialog or presses a button.
void CDlgMacroGunInsertKB::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace gx508
