// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/MarkerSlider.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace gx508 {

MarkerSlider::MarkerSlider(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void MarkerSlider::setTracks(const QPixmap& emptyImage, const QPixmap& fullImage,
                             const QRect& source) {
    m_empty = emptyImage.copy(source);
    m_full = fullImage.copy(source);
    update();
}

void MarkerSlider::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    update();
}

void MarkerSlider::setPosClamped(int value) {
    setPosition(m_maximum < m_minimum ? m_minimum : qBound(m_minimum, value, m_maximum));
    repaint();
}

void MarkerSlider::setPosOrMin(int value) {
    setPosition(value >= m_minimum && value <= m_maximum ? value : m_minimum);
    repaint();
}

void MarkerSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_empty);
    paintFill(painter, m_full);
}

void MarkerSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
    }
}

void MarkerSlider::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        setPosition(positionAt(event->position().toPoint()));
    }
}

void MarkerSlider::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // After a lost drag only a release over the control itself still counts.
    if (event->button() != Qt::LeftButton || (!m_dragging && !rect().contains(at))) {
        return;
    }
    m_dragging = false;
    setPosition(positionAt(at));
    emit positionReleased(m_position);
}

void MarkerSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    endDrag();
}

void MarkerSlider::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    endDrag();
}

void MarkerSlider::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (event->type() == QEvent::EnabledChange && !isEnabled())) {
        endDrag();
    }
}

void MarkerSlider::setPosition(int position) {
    m_position = position;
    update();
}

void MarkerSlider::endDrag() {
    if (m_dragging) {
        m_dragging = false;
        update();
    }
}

}  // namespace gx508
