// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

namespace gx508 {

// Work handed from other threads (the reader, the Apply worker) to the thread this object lives
// on, run there from its event loop in the order it was handed, one piece per event so that a
// nested event loop (a message box) still runs what arrives meanwhile.
//
// The work itself waits in our own queue under our own lock and only a wake-up goes through
// Qt's event queue: the hand-over is then one that thread checkers see, whatever Qt was built
// with. Work still waiting when the mailbox is destroyed is dropped unrun.
class ThreadMailbox final : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Safe from any thread.
    void post(std::function<void()> work);

  private:
    Q_INVOKABLE void runNext();

    std::mutex m_mutex;
    std::deque<std::function<void()>> m_waiting;
};

}  // namespace gx508
