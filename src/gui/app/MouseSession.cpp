// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MouseSession.h"

#include "core/device/ApplySequence.h"
#include "core/device/Connection.h"

namespace gx508 {

MouseSession::MouseSession(SharedState& state, HidBackend& backend, Pacer& pacer,
                           PointerBackend& pointer, TraceSink trace)
    : m_state(state), m_pacer(pacer), m_pointer(pointer), m_link(backend, state.log) {
    if (trace) {
        m_link.setTrace(std::move(trace));
    }
}

MouseSession::~MouseSession() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_link.StopReader();
}

bool MouseSession::connectAtStartup() {
    const bool found = ConnectAtStartup(m_link, m_state, m_pacer);
    // The handler runs on the reader thread; the notice is handled on this object's thread.
    m_link.StartReader([this](DeviceNotice notice) {
        m_mailbox.post(
            [this, notice] { whenIdle([this, notice] { emit noticeReceived(notice); }); });
    });
    return found;
}

void MouseSession::apply() {
    run([this](CommandChannel& channel,
               bool connected) { return ApplyAndSave(m_state, channel, m_pointer, connected); },
        false);
}

void MouseSession::restoreDefaults() {
    run([this](CommandChannel& channel,
               bool connected) { return RestoreDefaults(m_state, channel, m_pointer, connected); },
        true);
}

void MouseSession::run(std::function<Status(CommandChannel&, bool)> sequence, bool restoring) {
    if (busy()) {
        return;
    }
    const bool connected = m_link.connected();
    HidDevice* device = m_link.commandDevice();
    emit busyChanged(true);
    m_worker = std::thread([this, sequence = std::move(sequence), connected, device, restoring] {
        CommandChannel channel{device, m_pacer, m_state.log};
        const Status status = sequence(channel, connected);
        m_mailbox.post([this, status, restoring] { finish(status, restoring); });
    });
}

void MouseSession::finish(const Status& status, bool restoring) {
    m_worker.join();
    emit busyChanged(false);
    if (!status) {
        m_state.log.Write(status.message());
        emit sequenceFailed();
    }
    if (restoring) {
        emit defaultsRestored();
    }
    // A deferred step may start another sequence; the rest then waits for that one.
    while (!m_deferred.empty() && !busy()) {
        std::function<void()> work = std::move(m_deferred.front());
        m_deferred.pop_front();
        work();
    }
}

void MouseSession::whenIdle(std::function<void()> work) {
    if (busy()) {
        m_deferred.push_back(std::move(work));
    } else {
        work();
    }
}

void MouseSession::deviceArrived() {
    whenIdle([this] {
        if (HandleArrival(m_link, m_state, m_pacer)) {
            emit mouseArrived();
        } else {
            emit arrivalFailed();
            if (accessDenied()) {
                emit mouseInaccessible();
            }
        }
    });
}

void MouseSession::deviceRemoved() {
    whenIdle([this] {
        if (!HandleRemoval(m_link, m_state.log)) {
            emit mouseLost();
        }
    });
}

}  // namespace gx508
