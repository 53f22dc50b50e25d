// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunInsertMouseEvent.h"

#include <QMessageBox>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <vector>

#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/Skin.h"
#include "support/KeyInput.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

class CDlgMacroGunInsertMouseEventTest : public QObject {
    Q_OBJECT

  private slots:
    void theEventChosenLastIsReturnedOnOk_data();
    void theEventChosenLastIsReturnedOnOk();
    void skinnedInEachLanguage_data();
    void skinnedInEachLanguage();
    void withoutItsBackgroundItSaysSoAndDoesNotOpen();

  private:
    QWidget m_window;
    Skin m_skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
};

using Area = CDlgMacroGunInsertMouseEvent;

void CDlgMacroGunInsertMouseEventTest::theEventChosenLastIsReturnedOnOk_data() {
    QTest::addColumn<std::vector<QPoint>>("presses");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<std::optional<int>>("result");
    QTest::newRow("OK without a click is Left")
        << std::vector<QPoint>{} << true << std::optional<int>(0);
    for (int event = 0; event < Area::kEventCount; ++event) {
        const QRect area = Area::kAreas[static_cast<std::size_t>(event)];
        QTest::addRow("event %d at its centre", event)
            << std::vector<QPoint>{area.center()} << true << std::optional<int>(event);
        QTest::addRow("event %d at its bottom-right corner", event)
            << std::vector<QPoint>{area.bottomRight()} << true << std::optional<int>(event);
    }
    QTest::newRow("the last of two areas")
        << std::vector<QPoint>{Area::kAreas[4].center(), Area::kAreas[1].topLeft()} << true
        << std::optional<int>(1);
    QTest::newRow("a press between areas keeps the choice")
        << std::vector<QPoint>{Area::kAreas[3].center(), QPoint(144, 100), QPoint(350, 250)} << true
        << std::optional<int>(3);
    QTest::newRow("Cancel after a choice")
        << std::vector<QPoint>{Area::kAreas[2].center()} << false << std::optional<int>();
}

void CDlgMacroGunInsertMouseEventTest::theEventChosenLastIsReturnedOnOk() {
    QFETCH(std::vector<QPoint>, presses);
    QFETCH(bool, ok);
    QFETCH(std::optional<int>, result);
    CDlgMacroGunInsertMouseEvent dialog(m_skin, "EN", &m_window);
    test::whenModalOpens<CDlgMacroGunInsertMouseEvent>([&](CDlgMacroGunInsertMouseEvent& open) {
        for (const QPoint& at : presses) {
            test::press(open, at);
            test::release(open, at);
        }
        QTest::mouseClick(ok ? open.okButton() : open.cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.ask(), result);
    QVERIFY(!dialog.isVisible());
}

void CDlgMacroGunInsertMouseEventTest::skinnedInEachLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<int>("fontHeight");
    QTest::newRow("EN") << "EN"
                        << "Insert Mouse Event"
                        << "OK" << 14;
    QTest::newRow("CHS") << "CHS" << QString::fromUtf8("插入鼠标动作") << QString::fromUtf8("确定")
                         << 13;
    QTest::newRow("DE") << "DE" << QString::fromUtf8("枪械管理器") << QString::fromUtf8("确定")
                        << 14;
    QTest::newRow("an unknown code has no texts") << "xx" << QString() << QString() << 14;
}

void CDlgMacroGunInsertMouseEventTest::skinnedInEachLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, title);
    QFETCH(QString, ok);
    QFETCH(int, fontHeight);
    CDlgMacroGunInsertMouseEvent dialog(m_skin, code.toStdString(), &m_window);
    QImage first;
    QImage chosen;
    QPoint moved;
    test::whenModalOpens<CDlgMacroGunInsertMouseEvent>([&](CDlgMacroGunInsertMouseEvent& open) {
        first = test::rendered(open);
        test::press(open, Area::kAreas[4].center());
        test::release(open, Area::kAreas[4].center());
        chosen = test::rendered(open);
        const QPoint before = open.pos();
        test::press(open, {350, 340});
        test::moveHeld(open, {320, 300});
        test::release(open, {320, 300});
        moved = open.pos() - before;
        QTest::mouseClick(open.cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.ask(), std::nullopt);

    QCOMPARE(dialog.size(), kGunMouseDialogFile.size());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(moved, QPoint(-30, -40));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.okButton()->geometry(), Area::kOkButton);
    QCOMPARE(dialog.cancelButton()->geometry(), Area::kCancelButton);
    QCOMPARE(dialog.okButton()->text(), ok);
    QCOMPARE(dialog.okButton()->fontHeight(), fontHeight);
    // The chosen event's frame moves from the first area to the fifth.
    const QRect left = Area::kAreas[0];
    const QRect back = Area::kAreas[4];
    QVERIFY(first.copy(left) != chosen.copy(left));
    QVERIFY(first.copy(back) != chosen.copy(back));
    // Each label is white text, or nothing without texts.
    for (const QRect& label : Area::kLabels) {
        QCOMPARE(test::countBrighter(first, 200, label) > 0, !title.isEmpty());
    }
    QVERIFY(test::saveScreenshot(first, QStringLiteral("gun-mouse-%1.png").arg(code)));
}

void CDlgMacroGunInsertMouseEventTest::withoutItsBackgroundItSaysSoAndDoesNotOpen() {
    test::TempFolder folder;
    const std::filesystem::path skins = folder.path() / "Skins";
    std::filesystem::copy(GX508_PROGRAM_DIR "/Skins", skins,
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(skins / "MacroGunMan" / "Insert Mouse" / "main.png");
    const Skin skin(QString::fromStdString(skins.string()));
    CDlgMacroGunInsertMouseEvent dialog(skin, "EN", &m_window);
    QString shown;
    test::whenModalOpens<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.windowTitle() + QLatin1Char('|') + box.text();
        box.accept();
    });
    QCOMPARE(dialog.ask(), std::nullopt);
    QCOMPARE(shown, QStringLiteral("Dialog Load background image failed!!!|error"));
    QVERIFY(!dialog.isVisible());
}

}  // namespace gx508

QTEST_MAIN(gx508::CDlgMacroGunInsertMouseEventTest)
#include "CDlgMacroGunInsertMouseEventTest.moc"
