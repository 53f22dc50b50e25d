// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CSkinScrollWnd.h"

#include "gui/ui/CSkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

namespace gx508 {

namespace {

constexpr int kCornerColumn = 8;

}  // namespace

CSkinScrollWnd* CSkinScrollWnd::skinWindowScroll(QAbstractScrollArea* area, const QPixmap& bitmap) {
    return area != nullptr ? new CSkinScrollWnd(area, bitmap) : nullptr;
}

CSkinScrollWnd::CSkinScrollWnd(QAbstractScrollArea* area, const QPixmap& bitmap)
    : QFrame(area->parentWidget()), m_area(area), m_bitmap(bitmap), m_syncTimer(this) {
    setObjectName(QStringLiteral("SkinScrollBarFrame"));
    const QRect place = area->geometry();
    const bool visible = area->parentWidget() != nullptr ? area->isVisibleTo(area->parentWidget())
                                                         : area->isVisible();

    // The area's border goes around the whole frame, bars included.
    setFrameStyle(area->frameStyle());
    setLineWidth(area->lineWidth());
    setMidLineWidth(area->midLineWidth());
    area->setFrameStyle(QFrame::NoFrame);

    m_horizontalPolicy = area->horizontalScrollBarPolicy();
    m_verticalPolicy = area->verticalScrollBarPolicy();
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        auto* bar = new CSkinScrollBar(orientation, this);
        (orientation == Qt::Horizontal ? m_horizontal : m_vertical) = bar;
        bar->hide();
        bar->setBitmap(bitmap);
        bar->installEventFilter(this);
        connect(bar, &CSkinScrollBar::scrollRequested, this,
                [this, orientation](ScrollRequest request, int position) {
                    forward(orientation, request, position);
                });
        QScrollBar* own = areaBar(orientation);
        connect(own, &QScrollBar::valueChanged, this, [this, orientation] {
            if (!m_updating) {
                syncBar(orientation);
            }
        });
        connect(own, &QScrollBar::rangeChanged, this, [this, orientation] {
            if (!m_updating) {
                syncBar(orientation);
                layoutBars();
            }
        });
    }

    area->setParent(this);
    area->viewport()->installEventFilter(this);
    connect(area, &QObject::destroyed, this, &QObject::deleteLater);
    setGeometry(place);
    area->show();

    m_syncTimer.setObjectName(QStringLiteral("syncTimer"));
    connect(&m_syncTimer, &QTimer::timeout, this, [this] {
        for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            if (!skinBar(orientation)->isDragging()) {
                syncBar(orientation);
            }
        }
        layoutBars();
    });
    m_syncTimer.start(kSyncIntervalMs);

    syncAll();
    layoutBars();
    setVisible(visible);
}

QScrollBar* CSkinScrollWnd::areaBar(Qt::Orientation orientation) const {
    return orientation == Qt::Horizontal ? m_area->horizontalScrollBar()
                                         : m_area->verticalScrollBar();
}

CSkinScrollBar* CSkinScrollWnd::skinBar(Qt::Orientation orientation) const {
    return orientation == Qt::Horizontal ? m_horizontal : m_vertical;
}

// The area's scroll bar as a platform scroll bar describes itself: the range runs to the last
// value in view at the end, so it reaches one page less one beyond the last position.
ScrollInfo CSkinScrollWnd::areaInfo(Qt::Orientation orientation) const {
    const QScrollBar* own = areaBar(orientation);
    return {own->minimum(), own->maximum() + own->pageStep() - 1, own->pageStep(), own->value()};
}

void CSkinScrollWnd::forward(Qt::Orientation orientation, ScrollRequest request, int position) {
    if (m_area.isNull()) {
        return;
    }
    QScrollBar* own = areaBar(orientation);
    {
        const QScopedValueRollback updating(m_updating, true);
        switch (request) {
            case ScrollRequest::LineUp:
                own->triggerAction(QAbstractSlider::SliderSingleStepSub);
                break;
            case ScrollRequest::LineDown:
                own->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                break;
            case ScrollRequest::PageUp:
                own->triggerAction(QAbstractSlider::SliderPageStepSub);
                break;
            case ScrollRequest::PageDown:
                own->triggerAction(QAbstractSlider::SliderPageStepAdd);
                break;
            case ScrollRequest::ThumbTrack:
            case ScrollRequest::ThumbPosition:
                own->setValue(position);
                break;
        }
    }
    // While the thumb is dragged the bar keeps showing the drag, not the area's state.
    if (request != ScrollRequest::ThumbTrack) {
        syncBar(orientation);
    }
}

void CSkinScrollWnd::syncBar(Qt::Orientation orientation) {
    if (m_area.isNull()) {
        return;
    }
    CSkinScrollBar* bar = skinBar(orientation);
    const ScrollInfo info = areaInfo(orientation);
    bar->setEnabled(info.maximum >= info.page);
    if (bar->scrollInfo() != info) {
        bar->setScrollInfo(info);
    }
}

void CSkinScrollWnd::syncAll() {
    syncBar(Qt::Horizontal);
    syncBar(Qt::Vertical);
}

bool CSkinScrollWnd::wantsBar(Qt::Orientation orientation) const {
    switch (orientation == Qt::Horizontal ? m_horizontalPolicy : m_verticalPolicy) {
        case Qt::ScrollBarAlwaysOn:
            return true;
        case Qt::ScrollBarAlwaysOff:
            return false;
        case Qt::ScrollBarAsNeeded:
            break;
    }
    const QScrollBar* own = areaBar(orientation);
    return own->maximum() > own->minimum();
}

void CSkinScrollWnd::layoutBars() {
    if (m_area.isNull()) {
        return;
    }
    const QRect inner = contentsRect();
    const bool vertical = wantsBar(Qt::Vertical);
    const bool horizontal = wantsBar(Qt::Horizontal);
    const bool onLeft = m_area->layoutDirection() == Qt::RightToLeft;
    const int thickness = m_vertical->thickness();

    QRect content = inner;
    if (vertical) {
        const int x = onLeft ? inner.left() : inner.right() - thickness + 1;
        m_vertical->setGeometry(x, inner.top(), thickness,
                                inner.height() - (horizontal ? thickness : 0));
        content.adjust(onLeft ? thickness : 0, 0, onLeft ? 0 : -thickness, 0);
    }
    if (horizontal) {
        m_horizontal->setGeometry(content.left(), inner.bottom() - thickness + 1, content.width(),
                                  thickness);
        content.adjust(0, 0, 0, -thickness);
    }
    if (m_area->geometry() == content && m_vertical->isHidden() != vertical &&
        m_horizontal->isHidden() != horizontal) {
        return;
    }
    m_vertical->setVisible(vertical);
    m_horizontal->setVisible(horizontal);
    m_area->setGeometry(content);
    update();
}

bool CSkinScrollWnd::eventFilter(QObject* watched, QEvent* event) {
    if (m_area.isNull()) {
        return QFrame::eventFilter(watched, event);
    }
    // Every repaint of the area shows its current scroll state on the bars.
    if (event->type() == QEvent::Paint && !m_updating && watched == m_area->viewport()) {
        syncAll();
    }
    // The wheel over a bar scrolls the area, as it does over the area itself.
    if (event->type() == QEvent::Wheel && (watched == m_vertical || watched == m_horizontal)) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        QWidget* viewport = m_area->viewport();
        QWheelEvent copy(viewport->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(),
                         wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                         wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source());
        QCoreApplication::sendEvent(viewport, &copy);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void CSkinScrollWnd::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutBars();
}

void CSkinScrollWnd::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const int thickness = m_vertical->thickness();
    if (m_vertical->isHidden() || m_horizontal->isHidden() || thickness <= 0) {
        return;
    }
    const bool onLeft = !m_area.isNull() && m_area->layoutDirection() == Qt::RightToLeft;
    const QRect inner = contentsRect();
    const QRect corner(onLeft ? inner.left() : inner.right() - thickness + 1,
                       inner.bottom() - thickness + 1, thickness, thickness);
    const int cellHeight = m_bitmap.height() / CSkinScrollBar::kRows;
    QPainter painter(this);
    painter.drawPixmap(
        corner, m_bitmap,
        QRect(kCornerColumn * thickness, (onLeft ? 1 : 0) * cellHeight, thickness, cellHeight));
}

}  // namespace gx508
