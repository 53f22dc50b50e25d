// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgDoubleClick.h"

#include <cstdio>

namespace gx508 {

CDlgDoubleClick::CDlgDoubleClick(SharedState& state, const Skin& skin, QWidget* parent)
    : SpeedArcPage(state, skin, block::kDoubleClickSpeed, parent) {}

void CDlgDoubleClick::logAngle(double angle) {
    char line[80];
    std::snprintf(line, sizeof line, "angle/18:angle=%f,angle/18=%d\n", angle,
                  static_cast<int>(angle / 18));
    m_state.log.Write(line);
}

}  // namespace gx508
