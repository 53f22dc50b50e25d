// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/SpeedArcPage.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/controls/DialMath.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 13;
constexpr QRect kSlowLabel(5, 88, 45, 15);
constexpr QRect kFastLabel(192, 88, 45, 15);

}  // namespace

SpeedArcPage::SpeedArcPage(SharedState& state, const Skin& skin, std::size_t offset,
                           QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\MouseAttribute\\BK_MouseAttribute.png"),
                   kFontHeight, parent),
      m_offset(offset) {}

int SpeedArcPage::value() const {
    return m_state.block.byte(m_offset);
}

void SpeedArcPage::logAngle(double) {}

void SpeedArcPage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        const ArcClick click = SpeedArcClick(at.x(), at.y(), value());
        if (click.handled) {
            if (click.angle) {
                logAngle(*click.angle);
            }
            m_state.block.setByte(m_offset, static_cast<std::uint8_t>(click.value));
            repaint();
        }
    }
    SettingsPage::mousePressEvent(event);
}

// Labels are drawn unclipped, so a longer translation reaches past its box instead of being cut.
void SpeedArcPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    m_skin.draw(painter, QStringLiteral("Skins\\/MouseAttribute/Speed/%1.png").arg(value()),
                kArcAt.x(), kArcAt.y());
    painter.drawText(kSlowLabel, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     qText(m_state.texts[Text::Slow]));
    painter.drawText(kFastLabel, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     qText(m_state.texts[Text::Fast]));
}

}  // namespace gx508
