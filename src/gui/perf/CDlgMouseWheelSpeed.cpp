// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgMouseWheelSpeed.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "core/perf/PerfValues.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 13;
constexpr QRect kLinesLabel(24, 14, 132, 16);
constexpr QRect kScreenLabel(24, 50, 132, 12);

}  // namespace

CDlgMouseWheelSpeed::CDlgMouseWheelSpeed(SharedState& state, const Skin& skin, QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\MouseAttribute\\BK_ScrollSpeed.png"),
                   kFontHeight, parent),
      m_lines(new QLineEdit(this)) {
    m_lines->setObjectName(QStringLiteral("wheelLines"));
    m_lines->setGeometry(kLineCount);
    m_lines->setAlignment(Qt::AlignCenter);
    m_lines->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_lines->setFont(m_font);
    m_lines->setStyleSheet(QStringLiteral(
        "QLineEdit { color: white; background: rgb(40, 40, 40); border: 1px solid rgb(90, 90, "
        "90); padding: 0; } QLineEdit:disabled { color: rgb(140, 140, 140); }"));
    connect(m_lines, &QLineEdit::textEdited, this, &CDlgMouseWheelSpeed::typed);
    refresh();
}

bool CDlgMouseWheelSpeed::screenPerNotch() const {
    return m_state.block.byte(block::kWheelScrollsScreen) != 0;
}

int CDlgMouseWheelSpeed::lines() const {
    return m_state.block.byte(block::kWheelScrollLines);
}

void CDlgMouseWheelSpeed::setLines(int count) {
    m_state.block.setByte(block::kWheelScrollLines, static_cast<std::uint8_t>(count));
    m_lines->setText(QString::number(count));
}

void CDlgMouseWheelSpeed::refresh() {
    const bool screen = screenPerNotch();
    m_lines->setEnabled(!screen);
    m_lines->setText(screen ? QStringLiteral("0") : QString::number(lines()));
    update();
}

// Only what the user types is checked; the page's own writes into the box are not.
void CDlgMouseWheelSpeed::typed(const QString& text) {
    const TypedWheelLines read = ReadTypedWheelLines(text.toStdString());
    m_state.block.setByte(block::kWheelScrollLines, static_cast<std::uint8_t>(read.lines));
    if (read.replaced) {
        m_lines->setText(QString::number(read.lines));
    }
}

void CDlgMouseWheelSpeed::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (kLinesBox.contains(at)) {
            m_state.block.setByte(block::kWheelScrollsScreen, 0);
            m_lines->setEnabled(true);
            m_lines->setText(QString::number(lines()));
        } else if (kScreenBox.contains(at)) {
            m_lines->setEnabled(false);
            m_state.block.setByte(block::kWheelScrollsScreen, 1);
        } else if (kUpArrow.contains(at) && !screenPerNotch()) {
            setLines(std::min(lines() + 1, kMaxWheelLines));
        } else if (kDownArrow.contains(at) && !screenPerNotch()) {
            setLines(std::max(lines() - 1, kMinWheelLines));
        }
        repaint();
    }
    SettingsPage::mousePressEvent(event);
}

void CDlgMouseWheelSpeed::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    const bool screen = screenPerNotch();
    const QStringView on = u"Skins\\MouseAttribute\\ScrollSpeed\\Enable.png";
    const QStringView off = u"Skins\\MouseAttribute\\ScrollSpeed\\Disable.png";
    m_skin.draw(painter, screen ? off : on, kLinesBox.x(), kLinesBox.y());
    m_skin.draw(painter, screen ? on : off, kScreenBox.x(), kScreenBox.y());
    m_skin.draw(painter, u"Skins\\MouseAttribute\\ScrollSpeed\\ScrollLines.png", kLineCount.x(),
                kLineCount.y());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(kLinesLabel, flags, qText(m_state.texts[Text::NumberOfRows]));
    painter.drawText(kScreenLabel, flags, qText(m_state.texts[Text::ScrollOneScreen]));
}

}  // namespace gx508
