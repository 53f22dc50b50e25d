// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/ui/MarkerSlider.h"

namespace gx508 {

// The vertical marker slider: the track fills from the bottom, the full track's top rows
// showing in the filled bottom part.
class CDMarkerV : public MarkerSlider {
    Q_OBJECT

  public:
    explicit CDMarkerV(QWidget* parent = nullptr);

  protected:
    int positionAt(QPoint point) const override;
    void paintFill(QPainter& painter, const QPixmap& full) const override;
};

}  // namespace gx508
