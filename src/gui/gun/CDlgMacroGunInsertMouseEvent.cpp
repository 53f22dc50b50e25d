// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunInsertMouseEvent.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstddef>

#include "core/i18n/GunStepTexts.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

CDlgMacroGunInsertMouseEvent::CDlgMacroGunInsertMouseEvent(const Skin& skin,
                                                           std::string_view languageCode,
                                                           QWidget* parent)
    : GunStepDialog(skin, kGunMouseDialogFile, languageCode, parent) {
    setObjectName(QStringLiteral("gunMouseDialog"));
    setWindowTitle(qText(GunStepTextOf(GunStepText::MouseTitle, m_language)));
    m_ok = addButton(kOkButton, GunStepTextOf(GunStepText::MouseOk, m_language),
                     kGunButtonNormalFile, kGunButtonDownFile);
    m_cancel = addButton(kCancelButton, GunStepTextOf(GunStepText::MouseCancel, m_language),
                         kGunButtonNormalFile, kGunButtonDownFile);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &CBitmapBtn::clicked, this, &QDialog::accept);
    connect(m_cancel, &CBitmapBtn::clicked, this, &QDialog::reject);
}

std::optional<int> CDlgMacroGunInsertMouseEvent::ask() {
    if (!run()) {
        return std::nullopt;
    }
    return m_event;
}

void CDlgMacroGunInsertMouseEvent::paintOver(QPainter& painter) {
    drawText(painter, kTitle, GunStepTextOf(GunStepText::MouseTitle, m_language));
    const QRect chosen = kAreas[static_cast<std::size_t>(m_event)];
    m_skin.draw(painter, kGunMouseSelectorFile, chosen.left(), chosen.top());
    for (int event = 0; event < kEventCount; ++event) {
        drawText(painter, kLabels[static_cast<std::size_t>(event)],
                 Qt::AlignCenter | Qt::TextSingleLine, GunMouseEventText(event, m_language));
    }
}

void CDlgMacroGunInsertMouseEvent::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        for (int i = 0; i < kEventCount; ++i) {
            if (kAreas[static_cast<std::size_t>(i)].contains(event->position().toPoint())) {
                m_event = i;
                update();
            }
        }
    }
    GunStepDialog::mousePressEvent(event);
}

}  // namespace gx508
