// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>
#include <optional>
#include <string_view>

#include "gui/gun/GunStepDialog.h"

namespace gx508 {

// The gun macro manager's mouse button step: five areas, one per mouse event (0 Left, 1 Right,
// 2 Middle, 3 Forward, 4 Back); a press in an area chooses its event.
class CDlgMacroGunInsertMouseEvent final : public GunStepDialog {
    Q_OBJECT

  public:
    static constexpr int kEventCount = 5;

    // Client rectangles, by event: the area and its label.
    static constexpr std::array<QRect, kEventCount> kAreas = {
        QRect(QPoint(20, 50), QPoint(133, 167)), QRect(QPoint(155, 50), QPoint(268, 167)),
        QRect(QPoint(285, 50), QPoint(398, 167)), QRect(QPoint(20, 185), QPoint(133, 302)),
        QRect(QPoint(155, 185), QPoint(268, 302))};
    static constexpr std::array<QRect, kEventCount> kLabels = {
        QRect(QPoint(35, 131), QPoint(114, 143)), QRect(QPoint(170, 131), QPoint(249, 143)),
        QRect(QPoint(300, 131), QPoint(379, 143)), QRect(QPoint(30, 270), QPoint(109, 282)),
        QRect(QPoint(173, 270), QPoint(252, 282))};
    static constexpr QPoint kTitle{15, 10};
    static constexpr QRect kOkButton{299, 389, 52, 27};
    static constexpr QRect kCancelButton{355, 389, 52, 27};

    CDlgMacroGunInsertMouseEvent(const Skin& skin, std::string_view languageCode, QWidget* parent);

    // Opens the dialog and waits until it closes: on OK the chosen event (0 when none was
    // chosen), nothing on Cancel or when the background is missing.
    std::optional<int> ask();

    int event() const { return m_event; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }

  protected:
    void paintOver(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    int m_event = 0;
};

}  // namespace gx508
