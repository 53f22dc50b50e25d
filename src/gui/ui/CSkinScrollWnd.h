// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/controls/ScrollBarMath.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

class QScrollBar;

namespace gx508 {

class CSkinScrollBar;

// The frame that gives a scroll area skinned scroll bars. It takes the area's place (geometry,
// visibility and border) in its parent, holds the area beside CSkinScrollBar bars drawn from
// the skin bitmap, hides the area's own bars and keeps both in step: the area's scroll state
// is copied into the skinned bars whenever it changes or the area repaints (and every 500 ms in
// case it changed silently); the skinned bars' requests scroll the area.
//
// Which skinned bars show follows the area's scroll bar policies as they were when it was
// wrapped: always, never, or while there is something to scroll. A right-to-left area gets its
// vertical bar on the left.
class CSkinScrollWnd : public QFrame {
    Q_OBJECT

  public:
    static constexpr int kSyncIntervalMs = 500;

    // SkinWindowScroll: wraps the area. The frame belongs to the area's parent and goes away
    // with the area; move and resize the frame, not the area, from now on.
    static CSkinScrollWnd* skinWindowScroll(QAbstractScrollArea* area, const QPixmap& bitmap);

    QAbstractScrollArea* area() const { return m_area; }
    CSkinScrollBar* verticalBar() const { return m_vertical; }
    CSkinScrollBar* horizontalBar() const { return m_horizontal; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CSkinScrollWnd(QAbstractScrollArea* area, const QPixmap& bitmap);

    QScrollBar* areaBar(Qt::Orientation orientation) const;
    CSkinScrollBar* skinBar(Qt::Orientation orientation) const;
    ScrollInfo areaInfo(Qt::Orientation orientation) const;
    void forward(Qt::Orientation orientation, ScrollRequest request, int position);
    void syncBar(Qt::Orientation orientation);
    void syncAll();
    bool wantsBar(Qt::Orientation orientation) const;
    void layoutBars();

    QPointer<QAbstractScrollArea> m_area;
    CSkinScrollBar* m_horizontal = nullptr;
    CSkinScrollBar* m_vertical = nullptr;
    QPixmap m_bitmap;
    Qt::ScrollBarPolicy m_horizontalPolicy = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy m_verticalPolicy = Qt::ScrollBarAsNeeded;
    bool m_updating = false;
    QTimer m_syncTimer;
};

}  // namespace gx508
