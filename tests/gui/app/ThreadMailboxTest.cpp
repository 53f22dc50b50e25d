// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ThreadMailbox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>
#include <vector>

namespace gx508 {

class ThreadMailboxTest : public QObject {
    Q_OBJECT

  private slots:
    void workFromOtherThreadsRunsHereInTheOrderEachHandedIt();
    void workArrivingDuringANestedEventLoopRunsInIt();
    void workStillWaitingWhenTheMailboxGoesIsDroppedUnrun();
};

void ThreadMailboxTest::workFromOtherThreadsRunsHereInTheOrderEachHandedIt() {
    constexpr int kEach = 2000;
    ThreadMailbox mailbox;
    // Touched only on this thread, by the work itself.
    std::vector<int> seen[2];
    bool elsewhere = false;
    auto hand = [&](int thread) {
        for (int i = 0; i < kEach; ++i) {
            mailbox.post([&, thread, i] {
                elsewhere = elsewhere || QThread::currentThread() != mailbox.thread();
                seen[thread].push_back(i);
            });
        }
    };
    std::thread first(hand, 0);
    std::thread second(hand, 1);
    first.join();
    second.join();
    QTRY_COMPARE(seen[0].size() + seen[1].size(), std::size_t{2 * kEach});
    QVERIFY(!elsewhere);
    for (const std::vector<int>& order : seen) {
        for (int i = 0; i < kEach; ++i) {
            QCOMPARE(order[i], i);
        }
    }
}

void ThreadMailboxTest::workArrivingDuringANestedEventLoopRunsInIt() {
    ThreadMailbox mailbox;
    QObject dialog;
    bool secondRan = false;
    bool secondRanInsideFirst = false;
    // Both are waiting before either runs; the first then waits for the second in an event
    // loop of its own, which gets events of its own as a message box would.
    std::thread([&] {
        mailbox.post([&] {
            const QDeadlineTimer deadline(5000);
            while (!secondRan && !deadline.hasExpired()) {
                QCoreApplication::postEvent(&dialog, new QEvent(QEvent::User));
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
            secondRanInsideFirst = secondRan;
        });
        mailbox.post([&] { secondRan = true; });
    }).join();
    QTRY_VERIFY(secondRan);
    QVERIFY(secondRanInsideFirst);
}

void ThreadMailboxTest::workStillWaitingWhenTheMailboxGoesIsDroppedUnrun() {
    auto held = std::make_shared<int>(0);
    bool ran = false;
    {
        ThreadMailbox mailbox;
        std::thread([&mailbox, &ran, held] { mailbox.post([&ran, held] { ran = true; }); }).join();
        QCOMPARE(held.use_count(), 2L);
    }
    QCoreApplication::processEvents();
    QVERIFY(!ran);
    QCOMPARE(held.use_count(), 1L);
}

}  // namespace gx508

QTEST_GUILESS_MAIN(gx508::ThreadMailboxTest)
#include "ThreadMailboxTest.moc"
