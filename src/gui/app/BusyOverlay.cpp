// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/BusyOverlay.h"

#include <QEvent>
#include <QPainter>

namespace gx508 {

namespace {

constexpr QColor kDim{0, 0, 0, 140};
constexpr QColor kBarFrame{143, 32, 32};
constexpr QColor kBarTrack{30, 12, 12};
constexpr QColor kBarChunk{200, 40, 40};
constexpr int kChunkWidth = 60;
constexpr int kStep = 6;

}  // namespace

BusyOverlay::BusyOverlay(QWidget& parent) : QWidget(&parent) {
    setCursor(Qt::WaitCursor);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    connect(&m_frames, &QTimer::timeout, this, [this] {
        m_phase = (m_phase + kStep) % (kBarSize.width() + kChunkWidth);
        update(barRect());
    });
}

void BusyOverlay::setBusy(bool busy) {
    if (busy) {
        setGeometry(parentWidget()->rect());
        m_phase = 0;
        m_frames.start(kFrameMs);
        show();
        raise();
        setFocus();
    } else {
        m_frames.stop();
        hide();
    }
}

QRect BusyOverlay::barRect() const {
    QRect bar(QPoint(0, 0), kBarSize);
    bar.moveCenter(rect().center());
    return bar;
}

void BusyOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kDim);
    const QRect bar = barRect();
    painter.fillRect(bar, kBarTrack);
    const QRect inner = bar.adjusted(1, 1, -1, -1);
    painter.setClipRect(inner);
    painter.fillRect(
        QRect(inner.left() + m_phase - kChunkWidth, inner.top(), kChunkWidth, inner.height()),
        kBarChunk);
    painter.setClipping(false);
    painter.setPen(kBarFrame);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
}

// Every pointer and key event that reaches the overlay ends here.
bool BusyOverlay::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
            event->accept();
            return true;
        default:
            return QWidget::event(event);
    }
}

}  // namespace gx508
