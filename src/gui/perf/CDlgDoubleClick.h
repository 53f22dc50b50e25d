// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/perf/SpeedArcPage.h"

namespace gx508 {

// The double-click speed page: the arc of block byte 63; a click on the ring logs its angle.
class CDlgDoubleClick : public SpeedArcPage {
    Q_OBJECT

  public:
    CDlgDoubleClick(SharedState& state, const Skin& skin, QWidget* parent);

  protected:
    void logAngle(double angle) override;
};

}  // namespace gx508
