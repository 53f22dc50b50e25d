// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <thread>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceNotice.h"
#include "core/device/Pacer.h"
#include "core/device/Protocol.h"
#include "core/perf/PointerSettings.h"
#include "core/store/SharedState.h"
#include "gui/app/ThreadMailbox.h"

namespace gx508 {

// The main window's side of the device link: the connection, the notices of the reader thread
// brought to the user-interface thread, the arrival and removal handling, and the long device
// sequences (Apply, Restore defaults), which run on a worker thread so that the window keeps
// painting.
//
// While a sequence runs the session is busy: the settings belong to the worker, so notices,
// arrivals and removals wait and are handled, in order, once it has ended.
class MouseSession : public QObject {
    Q_OBJECT

  public:
    MouseSession(SharedState& state, HidBackend& backend, Pacer& pacer, PointerBackend& pointer,
                 TraceSink trace = {});
    ~MouseSession() override;
    MouseSession(const MouseSession&) = delete;
    MouseSession& operator=(const MouseSession&) = delete;

    // The start-up search and queries; then the reader thread starts (it sleeps while the mouse
    // is away). True when the mouse was found.
    bool connectAtStartup();

    bool connected() const { return m_link.connected(); }
    bool busy() const { return m_worker.joinable(); }
    // The last search found the mouse but was refused access to it.
    bool accessDenied() const {
        return !m_link.lastOpen() && IsAccessDeniedCode(m_link.lastOpen().code());
    }

    // Apply button: applies and saves the block when connected. Nothing when busy.
    void apply();
    // Restores the defaults (applied when connected). Nothing when busy.
    void restoreDefaults();

    // A hotplug burst settled: an interface of the mouse arrived or went away.
    void deviceArrived();
    void deviceRemoved();

  signals:
    // A notice of the mouse (kinds and values as the mouse sends them).
    void noticeReceived(DeviceNotice notice);
    // The mouse was found after an arrival; the block and labels are loaded again.
    void mouseArrived();
    // An arrival whose search found no usable mouse, or a removal that took the mouse away.
    void arrivalFailed();
    void mouseLost();
    void busyChanged(bool busy);
    // A Restore defaults sequence has ended and the block holds the defaults.
    void defaultsRestored();
    // An Apply or Restore defaults sequence did not reach the mouse whole, or a file was not
    // written; the sequence still ran to its end.
    void sequenceFailed();
    // A search found the mouse but the system refused to open it (no access to its nodes).
    void mouseInaccessible();

  private:
    void run(std::function<Status(CommandChannel&, bool connected)> sequence, bool restoring);
    void finish(const Status& status, bool restoring);
    // Runs `work` now, or once the running sequence has ended.
    void whenIdle(std::function<void()> work);

    SharedState& m_state;
    Pacer& m_pacer;
    PointerBackend& m_pointer;
    // Brings the reader's notices and the worker's end to this object's thread.
    ThreadMailbox m_mailbox;
    DeviceLink m_link;
    std::thread m_worker;
    std::deque<std::function<void()>> m_deferred;
};

}  // namespace gx508
