// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/perf/SettingsPage.h"

namespace gx508 {

// The report-rate page: a dial in four quarters; a click on a quarter's ring picks its rate.
class CDlgUSBReportRate : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr QPoint kDialAt{57, 5};

    CDlgUSBReportRate(SharedState& state, const Skin& skin, QWidget* parent);

    void refresh() override { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace gx508
