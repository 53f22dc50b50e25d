// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TrayNotifier.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include "gui/ui/CExMenu.h"

namespace gx508 {

namespace {

std::unique_ptr<TrayNotifier> makeTray() {
    return std::make_unique<TrayNotifier>(QIcon(), QStringLiteral("GX508"), QStringLiteral("Exit"),
                                          QFont(), [] { return false; });
}

CExMenu* menuOf(const TrayNotifier& tray) {
    const QAction* item = tray.startAtLoginItem();
    return item != nullptr ? qobject_cast<CExMenu*>(item->associatedObjects().value(0)) : nullptr;
}

void clickRow(CExMenu& menu, int row) {
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTest::mouseClick(&menu, Qt::LeftButton, {},
                      menu.actionGeometry(menu.actions().at(row)).center());
    QVERIFY(!menu.isVisible());
}

}  // namespace

class TrayNotifierTest : public QObject {
    Q_OBJECT

  private slots:
    void startAtLoginSitsAboveExitAndReportsEachChange();
    void startAtLoginShowsTheStateItIsGiven();
};

void TrayNotifierTest::startAtLoginSitsAboveExitAndReportsEachChange() {
    const auto tray = makeTray();
    QVERIFY(tray->startAtLoginItem() == nullptr);
    QSignalSpy toggled(tray.get(), &TrayNotifier::startAtLoginToggled);
    QSignalSpy exits(tray.get(), &TrayNotifier::exitRequested);
    tray->addStartAtLogin(QStringLiteral("Start at login"), false);

    CExMenu* menu = menuOf(*tray);
    QVERIFY(menu != nullptr);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0), tray->startAtLoginItem());
    QCOMPARE(menu->itemText(items.at(0)), QStringLiteral("Start at login"));
    QCOMPARE(menu->commandOf(items.at(0)), std::optional<int>(TrayNotifier::kStartAtLoginCommand));
    QCOMPARE(menu->itemText(items.at(1)), QStringLiteral("Exit"));
    QVERIFY(items.at(0)->isCheckable());
    QVERIFY(!items.at(0)->isChecked());

    clickRow(*menu, 0);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), true);
    QVERIFY(items.at(0)->isChecked());
    clickRow(*menu, 0);
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(toggled.at(1).at(0).toBool(), false);
    QCOMPARE(exits.count(), 0);

    clickRow(*menu, 1);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(toggled.count(), 2);
}

void TrayNotifierTest::startAtLoginShowsTheStateItIsGiven() {
    const auto tray = makeTray();
    QSignalSpy toggled(tray.get(), &TrayNotifier::startAtLoginToggled);
    tray->addStartAtLogin(QStringLiteral("Beim Anmelden starten"), true);
    QVERIFY(tray->startAtLoginItem()->isChecked());
    QCOMPARE(toggled.count(), 0);
    clickRow(*menuOf(*tray), 0);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), false);
}

}  // namespace gx508

QTEST_MAIN(gx508::TrayNotifierTest)
#include "TrayNotifierTest.moc"
