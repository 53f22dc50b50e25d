// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgUSBReportRate.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/controls/DialMath.h"
#include "core/perf/PerfValues.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 13;
constexpr std::uint8_t kDefaultCode = 2;  // 500 Hz

}  // namespace

CDlgUSBReportRate::CDlgUSBReportRate(SharedState& state, const Skin& skin, QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\USBReportRate\\BK_USBReportRate.png"),
                   kFontHeight, parent) {}

void CDlgUSBReportRate::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (const auto code = ReportRateDialCode(at.x(), at.y())) {
            m_state.block.setByte(block::kReportRate, *code);
        }
        repaint();
    }
    SettingsPage::mousePressEvent(event);
}

// A block without a rate (code 0) takes the default the first time the page shows it.
void CDlgUSBReportRate::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    if (m_state.block.byte(block::kReportRate) == 0) {
        m_state.block.setByte(block::kReportRate, kDefaultCode);
    }
    const int hertz = ReportRateHz(m_state.block.byte(block::kReportRate));
    m_skin.draw(painter, QStringLiteral("Skins\\/USBReportRate/%1HZ.png").arg(hertz), kDialAt.x(),
                kDialAt.y());
}

}  // namespace gx508
