// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/GunStepDialog.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "core/i18n/GunStepTexts.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

GunStepDialog::GunStepDialog(const Skin& skin, const SkinFile& background,
                             std::string_view languageCode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_skin(skin),
      m_language(LanguageOf(languageCode)),
      m_fontRule(GunStepFont(languageCode)),
      m_font(mappedFont(qText(m_fontRule.face), m_fontRule.height)),
      m_background(background) {
    setModal(true);
    setFont(m_font);
    const QImage image = skin.image(background);
    m_hasBackground = !image.isNull();
    if (m_hasBackground) {
        setFixedSize(image.size());
    }
}

bool GunStepDialog::refuseWithoutBackground() {
    if (m_hasBackground) {
        return false;
    }
    QMessageBox box(QMessageBox::NoIcon, qText(kGunStepBackgroundCaption),
                    qText(kGunStepBackgroundText), QMessageBox::Ok, parentWidget());
    box.setObjectName(QStringLiteral("gunStepMessage"));
    box.exec();
    return true;
}

bool GunStepDialog::run() {
    return !refuseWithoutBackground() && exec() == QDialog::Accepted;
}

CBitmapBtn* GunStepDialog::addButton(const QRect& rect, std::string_view text,
                                     const SkinFile& normal, const SkinFile& over) {
    auto* button = new CBitmapBtn(qText(text), rect, this);
    const QPixmap normalLook = m_skin.loadBitmap(normal);
    const QPixmap overLook = m_skin.loadBitmap(over);
    button->setImages(QRect(QPoint(0, 0), rect.size()), normalLook, overLook, overLook, normalLook);
    button->setTextAlignment(ButtonTextAlignment::Centre);
    button->setFontFace(qText(m_fontRule.face));
    button->setFontHeight(m_fontRule.height);
    return button;
}

void GunStepDialog::drawText(QPainter& painter, QPoint at, std::string_view text) const {
    drawText(painter, QRect(at, QPoint(width() - 1, at.y() + m_fontRule.height + 4)),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void GunStepDialog::drawText(QPainter& painter, const QRect& rect, int flags,
                             std::string_view text) const {
    painter.setFont(m_font);
    painter.setPen(Qt::white);
    painter.drawText(rect, flags, qText(text));
}

void GunStepDialog::startDrag(QPoint globalPosition) {
    m_dragOffset = globalPosition - frameGeometry().topLeft();
}

void GunStepDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_skin.draw(painter, m_background, 0, 0);
    paintOver(painter);
}

void GunStepDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        startDrag(event->globalPosition().toPoint());
    }
}

void GunStepDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
}

void GunStepDialog::mouseReleaseEvent(QMouseEvent*) {
    m_dragOffset.reset();
}

}  // namespace gx508
