// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace gx508 {

// What the two marker sliders, CDMarker and CDMarkerV, share: an integer position in a range,
// shown as the filled part of a track drawn from two images, that follows the pointer while the
// left button is held and is reported to the parent when the button is released.
class MarkerSlider : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kInitialMinimum = 0;
    static constexpr int kInitialMaximum = 10;

    // The empty and the full track, each the part `source` of its image.
    void setTracks(const QPixmap& emptyImage, const QPixmap& fullImage, const QRect& source);

    // Both ends included. The position is left as it is.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }

    // SetPosClamped: the value limited to the range. No notification.
    void setPosClamped(int value);
    // SetPosOrMin: a value inside the range, otherwise the minimum. No notification.
    void setPosOrMin(int value);

    bool isDragging() const { return m_dragging; }

  signals:
    // The position where the left button was released (or clicked).
    void positionReleased(int position);

  protected:
    explicit MarkerSlider(QWidget* parent);

    // The position for a pointer at a point of the control.
    virtual int positionAt(QPoint point) const = 0;
    // The filled part: the first columns or the bottom rows of the full track.
    virtual void paintFill(QPainter& painter, const QPixmap& full) const = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setPosition(int position);
    // The drag ends without a notification; the position stays where the drag left it.
    void endDrag();

    QPixmap m_empty;
    QPixmap m_full;
    int m_minimum = kInitialMinimum;
    int m_maximum = kInitialMaximum;
    int m_position = kInitialMinimum;
    bool m_dragging = false;
};

}  // namespace gx508
