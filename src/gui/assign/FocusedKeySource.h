// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "core/assign/KeySource.h"

class QWidget;

namespace gx508 {

// The keys that reach one of the program's windows, where the desktop offers no way to capture
// the whole keyboard (a Wayland session): while capturing, every key press and release sent to
// the window or its controls is handed over by its keysym's virtual key and goes no further, so
// no control sees it (Escape does not close a dialog, Space does not press a button). Keys
// without a virtual key are swallowed and not handed over.
class FocusedKeySource final : public QObject, public KeySource {
    Q_OBJECT

  public:
    explicit FocusedKeySource(QWidget& window) : m_window(window) {}
    ~FocusedKeySource() override;

    Status Start(Sink sink) override;
    void Stop() override;
    bool IsCapturing() const override { return m_capturing; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& m_window;
    Sink m_sink;
    bool m_capturing = false;
};

}  // namespace gx508
