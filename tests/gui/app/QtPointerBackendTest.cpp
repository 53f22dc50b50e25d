// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtPointerBackend.h"

#include <QApplication>
#include <QTest>

#include <string>
#include <thread>
#include <vector>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"
#include "support/PointerBlock.h"

namespace gx508 {

namespace {

// A desktop that refuses everything, to see its answer come through.
class RefusingDesktop final : public PointerBackend {
  public:
    bool SetPrecision(bool) override { return false; }
    bool SetSpeed(int) override { return false; }
    bool SetWheel(bool, int) override { return false; }
    bool SetDoubleClickTime(int) override { return false; }
};

}  // namespace

class QtPointerBackendTest : public QObject {
    Q_OBJECT

  private slots:
    void theProgramTakesWheelAndDoubleClickAndTheDesktopGetsAll();
    void aScreenPerNotchIsLoggedOnceAndKeepsTheLines();
    void anApplyOffTheInterfaceThreadReachesQtOnIt();
    void theDesktopsAnswerIsTheCallsAnswer();
};

void QtPointerBackendTest::theProgramTakesWheelAndDoubleClickAndTheDesktopGetsAll() {
    RecordingPointerBackend desktop;
    RecordingLog log;
    QtPointerBackend backend(desktop, log);
    SettingsBlock block = test::DefaultPointerBlock();
    block.setByte(block::kWheelScrollLines, 9);
    block.setByte(block::kDoubleClickSpeed, 11);
    ApplyPointerSettings(block, backend, log);
    QCOMPARE(QApplication::wheelScrollLines(), 9);
    QCOMPARE(QApplication::doubleClickInterval(), 200);
    QCOMPARE(desktop.calls(), (std::vector<std::string>{"precision off", "speed 10", "wheel 9",
                                                        "double-click 200"}));
    QVERIFY(log.lines().empty());
}

void QtPointerBackendTest::aScreenPerNotchIsLoggedOnceAndKeepsTheLines() {
    RecordingPointerBackend desktop;
    RecordingLog log;
    QtPointerBackend backend(desktop, log);
    QVERIFY(backend.SetWheel(false, 4));
    QVERIFY(backend.SetWheel(true, 4));
    QVERIFY(backend.SetWheel(true, 4));
    QCOMPARE(QApplication::wheelScrollLines(), 4);
    QCOMPARE(log.lines().size(), std::size_t{1});
    QCOMPARE(desktop.calls(), (std::vector<std::string>{"wheel 4", "wheel page", "wheel page"}));
}

void QtPointerBackendTest::anApplyOffTheInterfaceThreadReachesQtOnIt() {
    RecordingPointerBackend desktop;
    NullLog log;
    QtPointerBackend backend(desktop, log);
    QApplication::setWheelScrollLines(3);
    QApplication::setDoubleClickInterval(400);
    std::thread worker([&backend] {
        backend.SetWheel(false, 17);
        backend.SetDoubleClickTime(760);
    });
    worker.join();
    QTRY_COMPARE(QApplication::wheelScrollLines(), 17);
    QTRY_COMPARE(QApplication::doubleClickInterval(), 760);
    QCOMPARE(desktop.calls(), (std::vector<std::string>{"wheel 17", "double-click 760"}));
}

void QtPointerBackendTest::theDesktopsAnswerIsTheCallsAnswer() {
    RefusingDesktop desktop;
    RecordingLog log;
    QtPointerBackend backend(desktop, log);
    ApplyPointerSettings(test::DefaultPointerBlock(), backend, log);
    QCOMPARE(log.lines(), (std::vector<std::string>{"SETMOUSE failed.\n", "SETMOUSESPEED failed.\n",
                                                    "SETWHEELSCROLLLINES failed.\n",
                                                    "SPI_SETDOUBLECLICKTIME failed.\n"}));
    QCOMPARE(QApplication::wheelScrollLines(), 3);
    QCOMPARE(QApplication::doubleClickInterval(), 550);
}

}  // namespace gx508

QTEST_MAIN(gx508::QtPointerBackendTest)
#include "QtPointerBackendTest.moc"
