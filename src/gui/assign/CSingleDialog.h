// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/assign/AssignmentDialogs.h"
#include "core/assign/KeySource.h"
#include "core/i18n/Language.h"

class QLabel;

namespace gx508 {

class CBitmapBtn;
class Skin;

// The single key capture dialog: a skinned, modal window that captures every key of the
// desktop while it is open and shows the name of the last key pressed or released. OK returns
// that name; Cancel, the close button and closing the window return Cancel. The capture ends
// with the window, whichever way it closes.
class CSingleDialog : public QDialog {
    Q_OBJECT

  public:
    // Client rectangles.
    static constexpr QRect kCloseButton{352, 6, 15, 15};  // the close image's own size
    static constexpr QRect kPrompt{34, 103, 186, 20};
    static constexpr QRect kKeyName{74, 129, 76, 14};
    static constexpr QRect kOkButton{244, 250, 54, 25};
    static constexpr QRect kCancelButton{314, 250, 54, 25};

    CSingleDialog(const Skin& skin, std::string_view languageCode, QWidget* parent);
    ~CSingleDialog() override;

    // Opens the dialog and waits until it closes: OK or Cancel and, on OK, the name of the
    // last key touched (empty when none was). Without its background the dialog does not
    // open: a message box says so and the result is Cancel. When the keys cannot be captured
    // a message box gives the reason's code and the dialog opens all the same; OK then returns
    // no name.
    KeyCaptureResult capture();

    // The name shown, empty until a key is touched.
    const std::string& keyName() const { return m_keyName; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }
    CBitmapBtn* closeButton() const { return m_close; }
    const KeySource& keySource() const { return *m_keys; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void keyCaptured(const KeyStroke& stroke);

    const Skin& m_skin;
    Language m_language;
    QFont m_font;
    QImage m_background;
    QLabel* m_keyNameField = nullptr;
    CBitmapBtn* m_close = nullptr;
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    std::unique_ptr<KeySource> m_keys;
    std::string m_keyName;
    std::optional<QPoint> m_dragOffset;  // while the window follows the pointer
};

}  // namespace gx508
