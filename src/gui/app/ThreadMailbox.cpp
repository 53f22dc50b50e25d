// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ThreadMailbox.h"

#include <QMetaObject>

#include <utility>

namespace gx508 {

void ThreadMailbox::post(std::function<void()> work) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(work));
    }
    // By name, so that the event is made inside Qt and carries nothing of ours.
    QMetaObject::invokeMethod(this, "runNext", Qt::QueuedConnection);
}

void ThreadMailbox::runNext() {
    std::function<void()> work;
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting.empty()) {
            return;
        }
        work = std::move(m_waiting.front());
        m_waiting.pop_front();
    }
    work();
}

}  // namespace gx508
