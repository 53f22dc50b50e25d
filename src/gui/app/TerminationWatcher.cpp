// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TerminationWatcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace gx508 {

namespace {

// A signal handler reaches no object: the write end of the watcher's pipe is kept here while a
// watcher exists, and the handler only writes one byte to it.
std::atomic<int> g_signalPipe{-1};

extern "C" void NoteSignal(int) {
    const int savedErrno = errno;
    const int fd = g_signalPipe.load();
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a pending request, so a failed write loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

TerminationWatcher::TerminationWatcher() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    int expected = -1;
    if (!g_signalPipe.compare_exchange_strong(expected, fds[1])) {
        ::close(fds[0]);
        ::close(fds[1]);
        return;
    }
    m_readEnd = fds[0];
    m_writeEnd = fds[1];
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &m_previousTerm);
    sigaction(SIGINT, &action, &m_previousInt);
    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationWatcher::readSignals);
}

TerminationWatcher::~TerminationWatcher() {
    if (m_readEnd < 0) {
        return;
    }
    sigaction(SIGTERM, &m_previousTerm, nullptr);
    sigaction(SIGINT, &m_previousInt, nullptr);
    g_signalPipe.store(-1);
    m_notifier.reset();
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void TerminationWatcher::readSignals() {
    char bytes[16];
    bool received = false;
    while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
        received = true;
    }
    if (received) {
        emit terminationRequested();
    }
}

}  // namespace gx508
