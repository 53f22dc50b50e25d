// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/perf/SpeedArcPage.h"

namespace gx508 {

// The pointer speed page: the arc of block byte 61.
class CDlgMouseSpeed : public SpeedArcPage {
    Q_OBJECT

  public:
    CDlgMouseSpeed(SharedState& state, const Skin& skin, QWidget* parent);
};

}  // namespace gx508
