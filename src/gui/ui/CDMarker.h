// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/ui/MarkerSlider.h"

namespace gx508 {

// The horizontal marker slider: the track fills from the left.
class CDMarker : public MarkerSlider {
    Q_OBJECT

  public:
    explicit CDMarker(QWidget* parent = nullptr);

  protected:
    int positionAt(QPoint point) const override;
    void paintFill(QPainter& painter, const QPixmap& full) const override;
};

}  // namespace gx508
