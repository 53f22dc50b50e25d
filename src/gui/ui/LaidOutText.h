// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace gx508 {

// One line of text drawn in a box, as QPainter::drawText(box, flags, text) draws it, but laid
// out only when the text, the painter's font, the flags or the box's size change: windows
// repaint the same labels over and over, and shaping them each time is most of a repaint.
//
// Takes the horizontal and vertical alignment flags, Qt::TextSingleLine and Qt::TextDontClip;
// any other flag, or a text with a tab or variants, is passed on to QPainter::drawText each time.
class LaidOutText {
  public:
    void draw(QPainter& painter, const QRect& box, int flags, const QString& text);

  private:
    void layOut(const QPainter& painter, QSize box, int flags, const QString& text);

    QString m_text;
    QFont m_font;
    QSize m_box{-1, -1};
    int m_flags = -1;
    bool m_laidOut = false;
    QTextLayout m_layout;
    // The line's place in the box and whether the line overhangs the box (and is clipped to it).
    QPointF m_offset;
    bool m_clipped = false;
    bool m_empty = true;
};

}  // namespace gx508
