// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>
#include <string_view>

#include "gui/gun/GunStepDialog.h"

class QLineEdit;

namespace gx508 {

// The gun macro manager's cursor displacement step: a pad on which a mark is placed with the
// mouse, and an X and a Y box that follow the mark and move it when typed into. Positive X is to
// the right, positive Y upwards. OK takes the two boxes only when each holds a whole number from
// kMinDisplacement to kMaxDisplacement; otherwise the dialog stays open and says why.
class CDlgMacroGunMInsertCoor final : public GunStepDialog {
    Q_OBJECT

  public:
    struct Displacement {
        int x = 0;
        int y = 0;
        bool operator==(const Displacement&) const = default;
    };

    // Client rectangles. The mark is at kCentre for (0, 0), one pixel per unit; the pad reaches
    // 127 units from it in every direction.
    static constexpr QPoint kTitle{15, 10};
    static constexpr QRect kPad{80, 76, 255, 255};
    static constexpr QPoint kCentre{207, 203};
    static constexpr QPoint kXLetter{43, 378};
    static constexpr QPoint kYLetter{43, 401};
    static constexpr QRect kXBox{75, 380, 55, 13};
    static constexpr QRect kYBox{75, 400, 55, 13};
    static constexpr QRect kRefusal{20, 344, 380, 20};
    static constexpr QRect kOkButton{299, 394, 52, 27};
    static constexpr QRect kCancelButton{355, 394, 52, 27};

    CDlgMacroGunMInsertCoor(const Skin& skin, std::string_view languageCode, QWidget* parent);

    // Opens the dialog and waits until it closes: the displacement on OK, nothing on Cancel or
    // when the background is missing.
    std::optional<Displacement> ask();

    QPoint mark() const { return m_mark; }
    // Whether the dialog is saying that a box holds no amount.
    bool refusing() const { return m_refusing; }
    QLineEdit* xBox() const { return m_xBox; }
    QLineEdit* yBox() const { return m_yBox; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }

  protected:
    void paintOver(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::optional<Displacement> typed() const;
    void placeMark(QPoint point);
    void writeBoxes();
    void boxEdited();
    void confirm();

    QLineEdit* m_xBox = nullptr;
    QLineEdit* m_yBox = nullptr;
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    QPoint m_mark = kCentre;
    bool m_placing = false;  // the left button went down on the pad and is still down
    bool m_refusing = false;
};

}  // namespace gx508
