// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CMouseConfigurationApp.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <memory>

#include "gui/app/CDlgSplash.h"
#include "gui/app/CMouseConfigurationDlg.h"
#include "gui/ui/CExMenu.h"
#include "platform/AutostartEntry.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

namespace gx508 {

namespace fs = std::filesystem;

namespace {

template <typename Widget>
QList<Widget*> topLevels() {
    QList<Widget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* wanted = qobject_cast<Widget*>(widget)) {
            found.push_back(wanted);
        }
    }
    return found;
}

QAction* startAtLoginItem() {
    for (CExMenu* menu : topLevels<CExMenu>()) {
        for (QAction* action : menu->actions()) {
            if (menu->itemText(action) == QStringLiteral("Start at login")) {
                return action;
            }
        }
    }
    return nullptr;
}

}  // namespace

// The whole program on the virtual mouse, with its configuration home in a fresh folder that
// holds the base files (in English).
class CMouseConfigurationAppTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void anAutostartSkipsTheSplashAndStaysInTheTray();
    void aNormalStartShowsTheSplashFirst();
    void startAtLoginWritesAndRemovesTheAutostartEntry();
    void anEntryAlreadyThereShowsChecked();
    void sigtermEndsTheProgram_data();
    void sigtermEndsTheProgram();

  private:
    std::unique_ptr<test::TempFolder> m_home;
    fs::path m_entry;
};

void CMouseConfigurationAppTest::init() {
    m_home = std::make_unique<test::TempFolder>();
    const fs::path files = m_home->path() / "gx508";
    fs::create_directories(files);
    for (const char* name : kBaseFiles) {
        fs::copy_file(fs::path(GX508_PROGRAM_DIR) / name, files / name);
    }
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_home->path().string()));
    m_entry = m_home->path() / "autostart" / (std::string(ApplicationId()) + ".desktop");
}

void CMouseConfigurationAppTest::cleanup() {
    qunsetenv("XDG_CONFIG_HOME");
    m_home.reset();
}

void CMouseConfigurationAppTest::anAutostartSkipsTheSplashAndStaysInTheTray() {
    CMouseConfigurationApp program(DeviceMode::Virtual, StartKind::Autostart);
    QVERIFY(program.start());
    QVERIFY(topLevels<CDlgSplash>().isEmpty());
    const QList<CMouseConfigurationDlg*> windows = topLevels<CMouseConfigurationDlg>();
    QCOMPARE(windows.size(), 1);
    // Without a notification area (as here) the window waits minimised instead of hidden.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        QVERIFY(!windows.front()->isVisible());
    } else {
        QVERIFY(windows.front()->isMinimized());
    }
}

void CMouseConfigurationAppTest::aNormalStartShowsTheSplashFirst() {
    CMouseConfigurationApp program(DeviceMode::Virtual);
    QVERIFY(program.start());
    // The splash runs (it shows nothing here: this test's share folder has no skin); the window
    // is built while it waits and shows once it has ended.
    QCOMPARE(topLevels<CDlgSplash>().size(), 1);
    CDlgSplash* splash = topLevels<CDlgSplash>().front();
    QSignalSpy ended(splash, &QDialog::finished);
    QTRY_COMPARE(topLevels<CMouseConfigurationDlg>().size(), 1);
    CMouseConfigurationDlg* window = topLevels<CMouseConfigurationDlg>().front();
    QVERIFY(!window->isVisible());
    QVERIFY(ended.isEmpty());
    QVERIFY(ended.wait(CDlgSplash::kShowMs * 3));
    QVERIFY(window->isVisible());
}

void CMouseConfigurationAppTest::startAtLoginWritesAndRemovesTheAutostartEntry() {
    CMouseConfigurationApp program(DeviceMode::Virtual, StartKind::Autostart);
    QVERIFY(program.start());
    QAction* item = startAtLoginItem();
    QVERIFY(item != nullptr);
    QVERIFY(item->isCheckable());
    QVERIFY(!item->isChecked());
    QVERIFY(!fs::exists(m_entry));

    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(fs::exists(m_entry));
    const auto bytes = test::ReadBytes(m_entry);
    QCOMPARE(std::string(bytes.begin(), bytes.end()),
             AutostartEntryText(fs::read_symlink("/proc/self/exe")));

    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!fs::exists(m_entry));

    // A write that fails leaves the item showing what the session will do.
    fs::remove_all(m_entry.parent_path());
    test::WriteText(m_entry.parent_path(), "not a folder");
    item->trigger();
    QVERIFY(!item->isChecked());
}

void CMouseConfigurationAppTest::anEntryAlreadyThereShowsChecked() {
    QVERIFY(EnableAutostart(CurrentAutostartEntry()));
    QVERIFY(fs::exists(m_entry));
    CMouseConfigurationApp program(DeviceMode::Virtual, StartKind::Autostart);
    QVERIFY(program.start());
    QAction* item = startAtLoginItem();
    QVERIFY(item != nullptr);
    QVERIFY(item->isChecked());
}

void CMouseConfigurationAppTest::sigtermEndsTheProgram_data() {
    QTest::addColumn<StartKind>("start");
    QTest::newRow("during the splash") << StartKind::Normal;
    QTest::newRow("with the window in the tray") << StartKind::Autostart;
}

void CMouseConfigurationAppTest::sigtermEndsTheProgram() {
    QFETCH(StartKind, start);
    CMouseConfigurationApp program(DeviceMode::Virtual, start);
    QVERIFY(program.start());
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    // Ends the loop with another status should the signal not end it.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    guard.start(20000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

}  // namespace gx508

QTEST_MAIN(gx508::CMouseConfigurationAppTest)
#include "CMouseConfigurationAppTest.moc"
