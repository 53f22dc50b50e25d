// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/assign/KeySource.h"
#include "gui/gun/GunStepDialog.h"

class QLabel;

namespace gx508 {

// The gun macro manager's keyboard step: while it is open every key of the desktop is captured
// and the name of the last key pressed or released is shown. The capture ends with the window,
// whichever way it closes.
class CDlgMacroGunInsertKB final : public GunStepDialog {
    Q_OBJECT

  public:
    // Client rectangles.
    static constexpr QPoint kTitle{10, 6};
    static constexpr QPoint kPrompt{11, 50};
    static constexpr QRect kKeyName{52, 86, 308, 34};
    static constexpr QRect kCloseButton{362, 6, 15, 15};  // the close image's own size
    static constexpr QRect kOkButton{270, 376, 54, 25};
    static constexpr QRect kCancelButton{325, 376, 54, 25};

    CDlgMacroGunInsertKB(const Skin& skin, std::string_view languageCode, QWidget* parent);
    ~CDlgMacroGunInsertKB() override;

    // Opens the dialog and waits until it closes. OK gives the name of the last key touched;
    // Cancel, the close button, closing the window, OK before any key and a missing background
    // give nothing. When the keys cannot be captured a message box gives the reason's code and
    // the dialog opens all the same.
    std::optional<std::string> ask();

    const std::string& keyName() const { return m_keyName; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }
    CBitmapBtn* closeButton() const { return m_close; }
    const KeySource& keySource() const { return *m_keys; }

  protected:
    void paintOver(QPainter& painter) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void keyCaptured(const KeyStroke& stroke);

    QLabel* m_keyNameField = nullptr;
    CBitmapBtn* m_close = nullptr;
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    std::unique_ptr<KeySource> m_keys;
    std::string m_keyName;
};

}  // namespace gx508
