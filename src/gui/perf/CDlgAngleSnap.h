// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "gui/perf/SettingsPage.h"

namespace gx508 {

// The angle snapping page: an on and an off box for block byte 65.
class CDlgAngleSnap : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr QRect kOnBox{25, 30, 10, 10};
    static constexpr QRect kOffBox{140, 30, 10, 10};

    CDlgAngleSnap(SharedState& state, const Skin& skin, QWidget* parent);

    void refresh() override { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace gx508
