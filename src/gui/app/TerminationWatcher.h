// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <memory>

namespace gx508 {

// Turns SIGTERM and SIGINT into a signal on the event loop, so that the end of the session (or
// Ctrl-C in a terminal) ends the program the way its own "Exit" does, instead of killing it in
// the middle of a device sequence. One watcher at a time; it restores the previous handlers when
// it goes.
class TerminationWatcher : public QObject {
    Q_OBJECT

  public:
    TerminationWatcher();
    ~TerminationWatcher() override;

    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

    // False when the handlers could not be installed (the signals then keep their default).
    bool watching() const { return m_notifier != nullptr; }

  signals:
    void terminationRequested();

  private:
    void readSignals();

    int m_readEnd = -1;
    int m_writeEnd = -1;
    struct sigaction m_previousTerm {};
    struct sigaction m_previousInt {};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace gx508
