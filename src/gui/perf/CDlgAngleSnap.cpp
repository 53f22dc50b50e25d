// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgAngleSnap.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 13;
constexpr int kLabelGap = 5;

}  // namespace

CDlgAngleSnap::CDlgAngleSnap(SharedState& state, const Skin& skin, QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\AngleSnap\\BK_AngleSnap.png"), kFontHeight,
                   parent) {}

void CDlgAngleSnap::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (kOffBox.contains(at)) {
            m_state.block.setByte(block::kAngleSnapping, 0);
            repaint();
        } else if (kOnBox.contains(at)) {
            m_state.block.setByte(block::kAngleSnapping, 1);
            repaint();
        }
    }
    SettingsPage::mousePressEvent(event);
}

void CDlgAngleSnap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    const bool on = m_state.block.byte(block::kAngleSnapping) != 0;
    m_skin.draw(painter, on ? u"Skins\\Enable.png" : u"Skins\\Disable.png", kOnBox.x(), kOnBox.y());
    m_skin.draw(painter, on ? u"Skins\\Disable.png" : u"Skins\\Enable.png", kOffBox.x(),
                kOffBox.y());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.drawText(QRect(kOnBox.right() + 1 + kLabelGap, kOnBox.top(), 90, 20), flags,
                     qText(m_state.texts[Text::On]));
    painter.drawText(QRect(kOffBox.right() + 1 + kLabelGap, kOffBox.top(), 80, 20), flags,
                     qText(m_state.texts[Text::Off]));
}

}  // namespace gx508
