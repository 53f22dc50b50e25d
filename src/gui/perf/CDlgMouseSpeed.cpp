// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgMouseSpeed.h"

namespace gx508 {

CDlgMouseSpeed::CDlgMouseSpeed(SharedState& state, const Skin& skin, QWidget* parent)
    : SpeedArcPage(state, skin, block::kPointerSpeed, parent) {}

}  // namespace gx508
