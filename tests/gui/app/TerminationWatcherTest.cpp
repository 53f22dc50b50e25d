// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TerminationWatcher.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace gx508 {

namespace {

void (*handlerOf(int signal))(int) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

}  // namespace

class TerminationWatcherTest : public QObject {
    Q_OBJECT

  private slots:
    void termAndIntArriveOnTheEventLoop();
    void onlyOneWatcherAtATime();
    void thePreviousHandlersComeBack();
};

void TerminationWatcherTest::termAndIntArriveOnTheEventLoop() {
    TerminationWatcher watcher;
    QVERIFY(watcher.watching());
    QSignalSpy requested(&watcher, &TerminationWatcher::terminationRequested);
    std::raise(SIGTERM);
    QTRY_COMPARE(requested.count(), 1);
    std::raise(SIGINT);
    QTRY_COMPARE(requested.count(), 2);
}

void TerminationWatcherTest::onlyOneWatcherAtATime() {
    TerminationWatcher first;
    QSignalSpy requested(&first, &TerminationWatcher::terminationRequested);
    {
        TerminationWatcher second;
        QVERIFY(!second.watching());
    }
    QVERIFY(first.watching());
    std::raise(SIGTERM);
    QTRY_COMPARE(requested.count(), 1);
}

void TerminationWatcherTest::thePreviousHandlersComeBack() {
    const auto ignoredTerm = std::signal(SIGTERM, SIG_IGN);
    const auto defaultInt = handlerOf(SIGINT);
    {
        TerminationWatcher watcher;
        QVERIFY(handlerOf(SIGTERM) != SIG_IGN);
        QVERIFY(handlerOf(SIGINT) != defaultInt);
    }
    QVERIFY(handlerOf(SIGTERM) == SIG_IGN);
    QVERIFY(handlerOf(SIGINT) == defaultInt);
    std::signal(SIGTERM, ignoredTerm);
}

}  // namespace gx508

QTEST_MAIN(gx508::TerminationWatcherTest)
#include "TerminationWatcherTest.moc"
