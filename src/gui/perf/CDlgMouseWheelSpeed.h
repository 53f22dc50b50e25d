// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "gui/perf/SettingsPage.h"

class QLineEdit;

namespace gx508 {

// The wheel page: lines per notch (typed into a box or stepped with two arrows) or one screen
// per notch, chosen with two choice boxes.
class CDlgMouseWheelSpeed : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr QRect kLinesBox{5, 17, 11, 13};
    static constexpr QRect kScreenBox{5, 50, 11, 12};
    static constexpr QRect kLineCount{150, 15, 36, 14};
    static constexpr QRect kUpArrow{190, 15, 10, 6};
    static constexpr QRect kDownArrow{190, 23, 10, 6};

    CDlgMouseWheelSpeed(SharedState& state, const Skin& skin, QWidget* parent);

    // With one screen per notch the box is disabled and shows "0", otherwise it shows the count.
    void refresh() override;

    QLineEdit* lineCount() const { return m_lines; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool screenPerNotch() const;
    int lines() const;
    void setLines(int lines);
    void typed(const QString& text);

    QLineEdit* m_lines = nullptr;
};

}  // namespace gx508
