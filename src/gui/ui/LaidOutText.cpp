// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/LaidOutText.h"

#include <QPainter>
#include <QStyle>
#include <QTextLine>
#include <QTextOption>

namespace gx508 {

namespace {

constexpr int kCachedFlags =
    Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask | Qt::TextSingleLine | Qt::TextDontClip;

// Wider than any line: single lines are never wrapped.
constexpr qreal kUnboundedWidth = 0x01000000;

// Separates variants of one text, of which QPainter::drawText picks the first that fits.
constexpr QChar kVariantSeparator(0x9c);

}  // namespace

void LaidOutText::draw(QPainter& painter, const QRect& box, int flags, const QString& text) {
    if ((flags & ~kCachedFlags) != 0 || (flags & Qt::TextSingleLine) == 0 ||
        text.contains(QLatin1Char('\t')) || text.contains(kVariantSeparator)) {
        painter.drawText(box, flags, text);
        return;
    }
    if (!m_laidOut || flags != m_flags || box.size() != m_box || text != m_text ||
        painter.font() != m_font) {
        layOut(painter, box.size(), flags, text);
    }
    if (m_empty) {
        return;
    }
    const QPointF at = QPointF(box.topLeft()) + m_offset;
    if (m_clipped) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        m_layout.lineAt(0).draw(&painter, at);
        painter.restore();
    } else {
        m_layout.lineAt(0).draw(&painter, at);
    }
}

void LaidOutText::layOut(const QPainter& painter, QSize box, int flags, const QString& text) {
    m_text = text;
    m_font = painter.font();
    m_box = box;
    m_flags = flags;
    m_laidOut = true;
    m_layout.clearLayout();
    m_empty = text.isEmpty();
    if (m_empty) {
        return;
    }
    // A single line: line breaks and carriage returns are spaces.
    QString line = text;
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    m_layout.setText(line);
    m_layout.setFont(m_font);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    QTextLine laid = m_layout.createLine();
    laid.setLineWidth(kUnboundedWidth);
    laid.setPosition(QPointF(0, 0));
    m_layout.endLayout();

    // The line's own height, not rounded up to whole pixels as QTextLine::height() is.
    const qreal height = laid.ascent() + laid.descent();
    const qreal width = laid.naturalTextWidth();
    const Qt::Alignment alignment =
        QStyle::visualAlignment(painter.layoutDirection(), Qt::Alignment(flags));
    qreal top = 0;
    if (alignment & Qt::AlignBottom) {
        top = box.height() - height;
    } else if (alignment & Qt::AlignVCenter) {
        top = (box.height() - height) / 2;
    }
    qreal boundsLeft = 0;
    qreal left = 0;
    const qreal advance = laid.horizontalAdvance();
    if (alignment & Qt::AlignRight) {
        boundsLeft = box.width() - width;
        left = box.width() - advance;
    } else if (alignment & Qt::AlignHCenter) {
        boundsLeft = (box.width() - width) / 2;
        left = (box.width() - advance) / 2;
    }
    m_offset = QPointF(left, top);
    const QRectF bounds(boundsLeft, top, width, height);
    m_clipped =
        (flags & Qt::TextDontClip) == 0 && !QRectF(QPointF(0, 0), QSizeF(box)).contains(bounds);
}

}  // namespace gx508
