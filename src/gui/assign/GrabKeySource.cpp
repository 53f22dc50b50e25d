// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/GrabKeySource.h"

#include <QSocketNotifier>

#include <utility>

namespace gx508 {

GrabKeySource::GrabKeySource(std::unique_ptr<X11KeyGrab> grab)
    : m_grab(std::move(grab)),
      m_notifier(new QSocketNotifier(m_grab->FileDescriptor(), QSocketNotifier::Read, this)) {
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { m_grab->DispatchPending(); });
}

Status GrabKeySource::Start(Sink sink) {
    Status started = m_grab->Start(std::move(sink));
    // The grab's reply may have brought events along that the notifier will not announce.
    m_grab->DispatchPending();
    return started;
}

}  // namespace gx508
