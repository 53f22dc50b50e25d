// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/controls/ScrollBarMath.h"

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>

namespace gx508 {

// A scroll bar painted from a skin bitmap of 9 × 3 cells. Columns: up arrow, down arrow, thumb,
// track of a vertical bar; left arrow, right arrow, thumb, track of a horizontal bar; the corner
// box. Rows: normal, hover, pressed. The cell width is the bar's thickness.
//
// It behaves like a platform scroll bar: arrows and page areas send their request at once and
// again after 500 ms every 100 ms while held, the thumb can be dragged, the part under the
// pointer shows its hover look, double clicks are ignored. It only holds the scroll state it is
// given and asks for scrolling with scrollRequested(); the window it scrolls answers by setting
// the new state.
class CSkinScrollBar : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kColumns = 9;
    static constexpr int kRows = 3;
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 100;

    explicit CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }

    // SetBitmap: the thickness becomes the cell width; the bar is resized to it across, keeping
    // its place and length. Nothing is painted without a bitmap.
    void setBitmap(const QPixmap& bitmap);
    int thickness() const { return m_thickness; }

    // Stored as given, without clamping.
    void setScrollInfo(const ScrollInfo& info, bool redraw = true);
    const ScrollInfo& scrollInfo() const { return m_info; }
    // The position the dragged thumb shows; −1 while no thumb is dragged.
    int trackPosition() const { return m_trackPosition; }
    bool isDragging() const { return m_dragging; }

  signals:
    // Line and page requests carry position 0; thumb-track and thumb-position carry the
    // position of the dragged thumb.
    void scrollRequested(gx508::ScrollRequest request, int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int length() const;
    int along(QPoint point) const;
    ScrollPart partAt(QPoint point) const;
    QRect barRect(int start, int extent) const;
    QRect cell(int column, int row) const;
    int rowOf(ScrollPart part) const;
    void paintTiled(QPainter& painter, const QRect& source, int start, int extent) const;
    void paintThumb(QPainter& painter, const QRect& source, int start, int extent) const;
    void repeat();
    void setHoverPart(ScrollPart part);

    Qt::Orientation m_orientation;
    QPixmap m_bitmap;
    int m_thickness = 0;
    int m_cellHeight = 0;
    ScrollInfo m_info;
    int m_trackPosition = -1;
    bool m_dragging = false;
    QPoint m_dragOrigin;
    int m_dragStartPosition = 0;
    ScrollPart m_pressedPart = ScrollPart::None;
    ScrollPart m_hoverPart = ScrollPart::None;
    bool m_outside = false;
    bool m_repeating = false;
    QPoint m_pointer;
    QTimer m_repeatTimer;
};

}  // namespace gx508
