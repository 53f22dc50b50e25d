// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/CSingleDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "core/assign/KeyNames.h"
#include "core/i18n/KeyCaptureTexts.h"
#include "gui/assign/DesktopKeySource.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

CSingleDialog::CSingleDialog(const Skin& skin, std::string_view languageCode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_skin(skin),
      m_language(LanguageOf(languageCode)),
      m_background(skin.image(kSingleKeyFile)) {
    setObjectName(QStringLiteral("singleKeyDialog"));
    setModal(true);
    setWindowTitle(qText(KeyCaptureTextOf(KeyCaptureText::Prompt, m_language)));
    const FontRule rule = KeyCaptureFont(languageCode);
    m_font = mappedFont(qText(rule.face), rule.height);
    setFont(m_font);
    if (!m_background.isNull()) {
        setFixedSize(m_background.size());
    }

    m_keyNameField = new QLabel(this);
    m_keyNameField->setObjectName(QStringLiteral("keyName"));
    m_keyNameField->setGeometry(kKeyName);
    m_keyNameField->setAlignment(Qt::AlignCenter);
    m_keyNameField->setFont(m_font);
    QPalette field = m_keyNameField->palette();
    field.setColor(QPalette::Window, Qt::white);
    field.setColor(QPalette::WindowText, Qt::black);
    m_keyNameField->setPalette(field);
    m_keyNameField->setAutoFillBackground(true);

    const auto makeButton = [&](const QRect& rect, const QString& text, const SkinFile& normal,
                                const SkinFile& over) {
        auto* button = new CBitmapBtn(text, rect, this);
        const QPixmap overLook = skin.loadBitmap(over);
        button->setImages(QRect(QPoint(0, 0), rect.size()), skin.loadBitmap(normal), overLook,
                          overLook, skin.loadBitmap(normal));
        button->setTextAlignment(ButtonTextAlignment::Centre);
        button->setFontFace(qText(rule.face));
        button->setFontHeight(rule.height);
        return button;
    };
    m_close = makeButton(kCloseButton, {}, kCloseNormalFile, kCloseOverFile);
    m_ok = makeButton(kOkButton, qText(KeyCaptureTextOf(KeyCaptureText::Ok, m_language)),
                      kDialogButtonNormalFile, kDialogButtonOverFile);
    m_cancel =
        makeButton(kCancelButton, qText(KeyCaptureTextOf(KeyCaptureText::Cancel, m_language)),
                   kDialogButtonNormalFile, kDialogButtonOverFile);
    m_close->setObjectName(QStringLiteral("close"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_close, &CBitmapBtn::clicked, this, &QDialog::reject);
    connect(m_ok, &CBitmapBtn::clicked, this, &QDialog::accept);
    connect(m_cancel, &CBitmapBtn::clicked, this, &QDialog::reject);

    m_keys = makeDesktopKeySource(*this);
}

CSingleDialog::~CSingleDialog() = default;

KeyCaptureResult CSingleDialog::capture() {
    if (m_background.isNull()) {
        QMessageBox box(QMessageBox::NoIcon, qText(kKeyCaptureBackgroundCaption),
                        qText(kKeyCaptureBackgroundText), QMessageBox::Ok, parentWidget());
        box.setObjectName(QStringLiteral("keyCaptureMessage"));
        box.exec();
        return {};
    }
    const Status started = m_keys->Start([this](const KeyStroke& stroke) { keyCaptured(stroke); });
    if (!started) {
        QMessageBox box(QMessageBox::NoIcon, QString(), qText(KeyCaptureFailedText(started.code())),
                        QMessageBox::Ok, parentWidget());
        box.setObjectName(QStringLiteral("keyCaptureMessage"));
        box.exec();
    }
    const bool ok = exec() == QDialog::Accepted;
    m_keys->Stop();
    return {ok, ok ? m_keyName : std::string()};
}

void CSingleDialog::keyCaptured(const KeyStroke& stroke) {
    m_keyName = std::string(KeyNameOfStroke(stroke));
    m_keyNameField->setText(qText(m_keyName));
}

void CSingleDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_skin.draw(painter, kSingleKeyFile, 0, 0);
    painter.setFont(m_font);
    painter.setPen(Qt::white);
    painter.drawText(kPrompt, Qt::AlignCenter | Qt::TextSingleLine,
                     qText(KeyCaptureTextOf(KeyCaptureText::Prompt, m_language)));
}

void CSingleDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void CSingleDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
}

void CSingleDialog::mouseReleaseEvent(QMouseEvent*) {
    m_dragOffset.reset();
}

}  // namespace gx508
