// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CDMarkerV.h"

#include "core/controls/MarkerMath.h"

#include <QPainter>

namespace gx508 {

CDMarkerV::CDMarkerV(QWidget* parent) : MarkerSlider(parent) {}

int CDMarkerV::positionAt(QPoint point) const {
    return VerticalMarkerPosition(point.y(), 0, height(), minimum(), maximum());
}

void CDMarkerV::paintFill(QPainter& painter, const QPixmap& full) const {
    const int fill = MarkerFillLength(height(), position(), minimum(), maximum());
    // A source size of 0 would make the painter draw the whole image.
    if (fill > 0) {
        painter.drawPixmap(0, height() - fill, full, 0, 0, full.width(), fill);
    }
}

}  // namespace gx508
