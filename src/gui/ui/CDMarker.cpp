// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CDMarker.h"

#include "core/controls/MarkerMath.h"

#include <QPainter>

namespace gx508 {

CDMarker::CDMarker(QWidget* parent) : MarkerSlider(parent) {}

int CDMarker::positionAt(QPoint point) const {
    return HorizontalMarkerPosition(point.x(), 0, width(), minimum(), maximum());
}

void CDMarker::paintFill(QPainter& painter, const QPixmap& full) const {
    const int fill = MarkerFillLength(width(), position(), minimum(), maximum());
    // A source size of 0 would make the painter draw the whole image.
    if (fill > 0) {
        painter.drawPixmap(0, 0, full, 0, 0, fill, full.height());
    }
}

}  // namespace gx508
