// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "gui/perf/SettingsPage.h"

namespace gx508 {

// A page with the speed arc: a half ring whose picture shows the value 1..11 of one block byte,
// "Slow" at its left end and "Fast" at its right. A click on the ring picks the value under it.
class SpeedArcPage : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr QPoint kArcAt{50, 20};

    void refresh() override { update(); }
    int value() const;

  protected:
    SpeedArcPage(SharedState& state, const Skin& skin, std::size_t offset, QWidget* parent);

    // What a click on the ring at `angle` degrees leaves in the log, if anything.
    virtual void logAngle(double angle);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::size_t m_offset;
};

}  // namespace gx508
