// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CSkinScrollBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace gx508 {

namespace {

constexpr int kVerticalColumn = 0;
constexpr int kHorizontalColumn = 4;
constexpr int kThumbColumn = 2;
constexpr int kTrackColumn = 3;
constexpr int kNormalRow = 0;
constexpr int kHoverRow = 1;
constexpr int kPressedRow = 2;
// The thumb's ends are drawn from this many pixels of each end of its cell.
constexpr int kThumbEnd = 6;

ScrollRequest requestFor(ScrollPart part) {
    switch (part) {
        case ScrollPart::FirstArrow:
            return ScrollRequest::LineUp;
        case ScrollPart::SecondArrow:
            return ScrollRequest::LineDown;
        case ScrollPart::PageBefore:
            return ScrollRequest::PageUp;
        case ScrollPart::PageAfter:
        case ScrollPart::Thumb:
        case ScrollPart::None:
            break;
    }
    return ScrollRequest::PageDown;
}

// The painter reads an empty source as "the rest of the image": skip empty pieces.
void drawPiece(QPainter& painter, const QRect& target, const QPixmap& image, const QRect& source) {
    if (!target.isEmpty() && !source.isEmpty()) {
        painter.drawPixmap(target, image, source);
    }
}

bool isArrow(ScrollPart part) {
    return part == ScrollPart::FirstArrow || part == ScrollPart::SecondArrow;
}

}  // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation), m_repeatTimer(this) {
    setMouseTracking(true);
    m_repeatTimer.setObjectName(QStringLiteral("repeatTimer"));
    connect(&m_repeatTimer, &QTimer::timeout, this, &CSkinScrollBar::repeat);
}

void CSkinScrollBar::setBitmap(const QPixmap& bitmap) {
    m_bitmap = bitmap;
    m_thickness = bitmap.width() / kColumns;
    m_cellHeight = bitmap.height() / kRows;
    if (m_orientation == Qt::Vertical) {
        resize(m_thickness, height());
    } else {
        resize(width(), m_thickness);
    }
    update();
}

void CSkinScrollBar::setScrollInfo(const ScrollInfo& info, bool redraw) {
    m_info = info;
    if (redraw) {
        update();
    }
}

int CSkinScrollBar::length() const {
    return m_orientation == Qt::Vertical ? height() : width();
}

int CSkinScrollBar::along(QPoint point) const {
    return m_orientation == Qt::Vertical ? point.y() : point.x();
}

ScrollPart CSkinScrollBar::partAt(QPoint point) const {
    return HitTestScrollBar(along(point), length(), m_thickness, m_info, m_trackPosition);
}

QRect CSkinScrollBar::barRect(int start, int extent) const {
    return m_orientation == Qt::Vertical ? QRect(0, start, m_thickness, extent)
                                         : QRect(start, 0, extent, m_thickness);
}

QRect CSkinScrollBar::cell(int column, int row) const {
    const int first = m_orientation == Qt::Vertical ? kVerticalColumn : kHorizontalColumn;
    return {(first + column) * m_thickness, row * m_cellHeight, m_thickness, m_cellHeight};
}

int CSkinScrollBar::rowOf(ScrollPart part) const {
    if (part == ScrollPart::Thumb) {
        return m_dragging ? kPressedRow : m_hoverPart == ScrollPart::Thumb ? kHoverRow : kNormalRow;
    }
    if (part == m_pressedPart) {
        return m_outside ? kNormalRow : kPressedRow;
    }
    return part == m_hoverPart ? kHoverRow : kNormalRow;
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    if (m_thickness <= 0 || m_cellHeight <= 0) {
        return;
    }
    QPainter painter(this);
    const ScrollBarLayout layout = LayoutScrollBar(length(), m_thickness, m_info, m_trackPosition);
    const int arrow = layout.arrowLength;
    const int thumbEnd = layout.thumbStart + layout.thumbLength;

    drawPiece(painter, barRect(0, arrow), m_bitmap, cell(0, rowOf(ScrollPart::FirstArrow)));
    drawPiece(painter, barRect(layout.length - arrow, arrow), m_bitmap,
              cell(1, rowOf(ScrollPart::SecondArrow)));
    const QRect track = cell(kTrackColumn, kNormalRow);
    paintTiled(painter, track, arrow, layout.thumbStart - arrow);
    paintTiled(painter, track, thumbEnd, layout.length - arrow - thumbEnd);
    if (layout.thumbLength > 0) {
        paintThumb(painter, cell(kThumbColumn, rowOf(ScrollPart::Thumb)), layout.thumbStart,
                   layout.thumbLength);
    }
}

// Repeats the source along the bar, stretched across to the thickness.
void CSkinScrollBar::paintTiled(QPainter& painter, const QRect& source, int start,
                                int extent) const {
    const bool vertical = m_orientation == Qt::Vertical;
    const int step = vertical ? source.height() : source.width();
    if (step <= 0) {
        return;
    }
    for (int offset = 0; offset < extent; offset += step) {
        const int piece = std::min(step, extent - offset);
        const QRect from = vertical ? QRect(source.x(), source.y(), source.width(), piece)
                                    : QRect(source.x(), source.y(), piece, source.height());
        drawPiece(painter, barRect(start + offset, piece), m_bitmap, from);
    }
}

// The cell's two ends at the thumb's ends, its middle repeated in between.
void CSkinScrollBar::paintThumb(QPainter& painter, const QRect& source, int start,
                                int extent) const {
    const bool vertical = m_orientation == Qt::Vertical;
    const int cellLength = vertical ? source.height() : source.width();
    const int end = std::min({kThumbEnd, cellLength / 2, extent / 2});
    const auto piece = [&](int from, int size) {
        return vertical ? QRect(source.x(), source.y() + from, source.width(), size)
                        : QRect(source.x() + from, source.y(), size, source.height());
    };
    drawPiece(painter, barRect(start, end), m_bitmap, piece(0, end));
    drawPiece(painter, barRect(start + extent - end, end), m_bitmap, piece(cellLength - end, end));
    paintTiled(painter, piece(end, cellLength - 2 * end), start + end, extent - 2 * end);
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_pointer = event->position().toPoint();
    const ScrollPart part = partAt(m_pointer);
    if (part == ScrollPart::None) {
        return;
    }
    m_hoverPart = ScrollPart::None;
    if (part == ScrollPart::Thumb) {
        m_dragging = true;
        m_dragOrigin = m_pointer;
        m_dragStartPosition = m_info.position;
        m_trackPosition = m_info.position;
        update();
        return;
    }
    m_pressedPart = part;
    m_outside = false;
    m_repeating = false;
    update();
    emit scrollRequested(requestFor(part), 0);
    m_repeatTimer.start(kRepeatDelayMs);
}

void CSkinScrollBar::repeat() {
    if (!m_repeating) {
        m_repeating = true;
        m_repeatTimer.start(kRepeatIntervalMs);
        return;
    }
    if (m_outside) {
        return;
    }
    switch (m_pressedPart) {
        case ScrollPart::FirstArrow:
            if (m_info.position == m_info.minimum) {
                m_repeatTimer.stop();
                return;
            }
            break;
        case ScrollPart::SecondArrow:
            if (m_info.position == m_info.maximum) {
                m_repeatTimer.stop();
                return;
            }
            break;
        case ScrollPart::PageBefore:
        case ScrollPart::PageAfter:
            // Once the thumb has reached the pointer the page area is no longer under it.
            if (partAt(m_pointer) != m_pressedPart) {
                m_repeatTimer.stop();
                return;
            }
            break;
        case ScrollPart::Thumb:
        case ScrollPart::None:
            m_repeatTimer.stop();
            return;
    }
    emit scrollRequested(requestFor(m_pressedPart), 0);
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    m_pointer = event->position().toPoint();
    if (m_dragging) {
        const int position =
            DraggedScrollPosition(m_dragStartPosition, along(m_pointer) - along(m_dragOrigin),
                                  length(), m_thickness, m_info);
        if (position != m_trackPosition) {
            m_trackPosition = position;
            update();
            emit scrollRequested(ScrollRequest::ThumbTrack, position);
        }
        return;
    }
    if (m_pressedPart != ScrollPart::None) {
        const bool outside = partAt(m_pointer) != m_pressedPart;
        if (outside != m_outside) {
            m_outside = outside;
            update();
        }
        return;
    }
    setHoverPart(partAt(m_pointer));
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_pointer = event->position().toPoint();
    if (m_dragging) {
        m_dragging = false;
        emit scrollRequested(ScrollRequest::ThumbPosition, m_trackPosition);
        m_trackPosition = -1;
        update();
    } else if (m_pressedPart != ScrollPart::None) {
        m_repeatTimer.stop();
        m_pressedPart = ScrollPart::None;
        m_outside = false;
        update();
    }
    setHoverPart(rect().contains(m_pointer) ? partAt(m_pointer) : ScrollPart::None);
}

void CSkinScrollBar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CSkinScrollBar::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (m_pressedPart != ScrollPart::None && !m_outside) {
        m_outside = true;
        update();
    }
    setHoverPart(ScrollPart::None);
}

void CSkinScrollBar::setHoverPart(ScrollPart part) {
    // Only arrows and the thumb have a hover look.
    const ScrollPart shown = isArrow(part) || part == ScrollPart::Thumb ? part : ScrollPart::None;
    if (shown != m_hoverPart) {
        m_hoverPart = shown;
        update();
    }
}

}  // namespace gx508
