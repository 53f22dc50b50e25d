// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

#include "core/assign/KeySource.h"
#include "platform/X11KeyGrab.h"

class QSocketNotifier;

namespace gx508 {

// The X server's keyboard grab, driven from the event loop: its connection is watched and its
// key events reach the sink on the user-interface thread. Destroying the source releases the
// keyboard.
class GrabKeySource final : public QObject, public KeySource {
    Q_OBJECT

  public:
    explicit GrabKeySource(std::unique_ptr<X11KeyGrab> grab);

    Status Start(Sink sink) override;
    void Stop() override { m_grab->Stop(); }
    bool IsCapturing() const override { return m_grab->IsCapturing(); }

  private:
    std::unique_ptr<X11KeyGrab> m_grab;
    QSocketNotifier* m_notifier;
};

}  // namespace gx508
