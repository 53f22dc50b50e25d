// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SingleInstance.h"

#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "support/TempFolder.h"

namespace gx508 {

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private slots:
    void secondCopyIsRefusedUntilTheFirstEnds();
    void lockOfACrashedCopyIsTakenOver();
};

void SingleInstanceTest::secondCopyIsRefusedUntilTheFirstEnds() {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.path().string());
    auto first = std::make_unique<SingleInstance>(path);
    QVERIFY(first->acquire());
    SingleInstance second(path);
    QVERIFY(!second.acquire());
    first.reset();
    SingleInstance third(path);
    QVERIFY(third.acquire());
}

void SingleInstanceTest::lockOfACrashedCopyIsTakenOver() {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.path().string());
    // A child takes the lock and dies without giving it back, as a crash would leave it.
    const pid_t child = fork();
    if (child == 0) {
        SingleInstance crashing(path);
        _exit(crashing.acquire() ? 0 : 1);
    }
    QVERIFY(child > 0);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(std::filesystem::exists(folder / SingleInstance::kLockName));

    SingleInstance next(path);
    QVERIFY(next.acquire());
}

}  // namespace gx508

QTEST_MAIN(gx508::SingleInstanceTest)
#include "SingleInstanceTest.moc"
