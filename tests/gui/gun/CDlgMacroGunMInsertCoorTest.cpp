// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunMInsertCoor.h"

#include <QLineEdit>
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

namespace {

using Dialog = CDlgMacroGunMInsertCoor;
using Displacement = Dialog::Displacement;

// Replaces a box's text as typing does, one character at a time.
void type(QLineEdit& box, const QString& text) {
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

}  // namespace

class CDlgMacroGunMInsertCoorTest : public QObject {
    Q_OBJECT

  private slots:
    void typedAmountsAreTakenOrRefused_data();
    void typedAmountsAreTakenOrRefused();
    void thePadPlacesTheMark_data();
    void thePadPlacesTheMark();
    void skinnedInEachLanguage_data();
    void skinnedInEachLanguage();
    void withoutItsBackgroundItSaysSoAndDoesNotOpen();

  private:
    QWidget m_window;
    Skin m_skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
};

void CDlgMacroGunMInsertCoorTest::typedAmountsAreTakenOrRefused_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<std::optional<Displacement>>("result");
    QTest::addColumn<QPoint>("mark");
    const auto taken = [](int x, int y) { return std::optional<Displacement>(Displacement{x, y}); };
    const std::optional<Displacement> refused;
    QTest::newRow("nothing typed") << "0"
                                   << "0" << taken(0, 0) << QPoint(207, 203);
    QTest::newRow("Y -5 is 5 pixels below the centre") << "0"
                                                       << "-5" << taken(0, -5) << QPoint(207, 208);
    QTest::newRow("the lowest amounts, the mark at the pad's edge")
        << "-128"
        << "-128" << taken(-128, -128) << QPoint(80, 330);
    QTest::newRow("the highest amounts") << "127"
                                         << "127" << taken(127, 127) << QPoint(334, 76);
    QTest::newRow("X 128") << "128"
                           << "0" << refused << QPoint(207 + 12, 203);
    QTest::newRow("Y -129") << "0"
                            << "-129" << refused << QPoint(207, 203 + 12);
    QTest::newRow("X 300") << "300"
                           << "0" << refused << QPoint(207 + 30, 203);
    QTest::newRow("a minus sign alone") << "-"
                                        << "3" << refused << QPoint(207, 200);
    QTest::newRow("an empty box") << "4"
                                  << "" << refused << QPoint(211, 203);
    QTest::newRow("letters") << "1a"
                             << "0" << refused << QPoint(208, 203);
    QTest::newRow("a fraction") << "0"
                                << "1.5" << refused << QPoint(207, 202);
}

// The dialog stays open while it refuses; Cancel then leaves it with nothing.
void CDlgMacroGunMInsertCoorTest::typedAmountsAreTakenOrRefused() {
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(std::optional<Displacement>, result);
    QFETCH(QPoint, mark);
    Dialog dialog(m_skin, "EN", &m_window);
    QPoint shownMark;
    bool refusedAfterOk = false;
    test::whenModalOpens<Dialog>([&](Dialog& open) {
        type(*open.xBox(), x);
        type(*open.yBox(), y);
        shownMark = open.mark();
        QTest::mouseClick(open.okButton(), Qt::LeftButton);
        if (open.isVisible()) {
            refusedAfterOk = open.refusing();
            QTest::mouseClick(open.cancelButton(), Qt::LeftButton);
        }
    });
    QCOMPARE(dialog.ask(), result);
    QCOMPARE(shownMark, mark);
    QCOMPARE(refusedAfterOk, !result.has_value());
    QCOMPARE(dialog.xBox()->text(), x);
    QCOMPARE(dialog.yBox()->text(), y);
}

void CDlgMacroGunMInsertCoorTest::thePadPlacesTheMark_data() {
    QTest::addColumn<std::vector<QPoint>>("path");  // press, moves, release
    QTest::addColumn<Displacement>("result");
    QTest::newRow("the pad's top-left corner")
        << std::vector<QPoint>{{80, 76}} << Displacement{-127, 127};
    QTest::newRow("the pad's bottom-right corner")
        << std::vector<QPoint>{{334, 330}} << Displacement{127, -127};
    QTest::newRow("dragged right and up")
        << std::vector<QPoint>{{207, 203}, {230, 190}, {257, 153}} << Displacement{50, 50};
    QTest::newRow("dragged out of the pad: the mark stays at the last point inside")
        << std::vector<QPoint>{{300, 100}, {330, 90}, {360, 40}, {400, 10}}
        << Displacement{123, 113};
}

void CDlgMacroGunMInsertCoorTest::thePadPlacesTheMark() {
    QFETCH(std::vector<QPoint>, path);
    QFETCH(Displacement, result);
    Dialog dialog(m_skin, "EN", &m_window);
    QPoint moved;
    QString shownX;
    test::whenModalOpens<Dialog>([&](Dialog& open) {
        type(*open.xBox(), QStringLiteral("9x"));
        const QPoint before = open.pos();
        test::press(open, path.front());
        for (const QPoint& at : path) {
            test::moveHeld(open, at);
        }
        test::release(open, path.back());
        moved = open.pos() - before;
        shownX = open.xBox()->text();
        QTest::mouseClick(open.okButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.ask(), std::optional<Displacement>(result));
    QCOMPARE(moved, QPoint());
    QCOMPARE(shownX, QString::number(result.x));
    QCOMPARE(dialog.mark(), QPoint(207 + result.x, 203 - result.y));
}

void CDlgMacroGunMInsertCoorTest::skinnedInEachLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<int>("fontHeight");
    QTest::newRow("EN") << "EN"
                        << "Insert Cursor Displacements"
                        << "OK" << 14;
    QTest::newRow("CHS") << "CHS" << QString::fromUtf8("插入光标位移") << QString::fromUtf8("确定")
                         << 13;
    QTest::newRow("CHT") << "CHT" << QString::fromUtf8("插入光标位移") << QString::fromUtf8("确定")
                         << 13;
    QTest::newRow("DE") << "DE"
                        << "Insert Cursor Displacements"
                        << "OK" << 14;
}

void CDlgMacroGunMInsertCoorTest::skinnedInEachLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, title);
    QFETCH(QString, ok);
    QFETCH(int, fontHeight);
    Dialog dialog(m_skin, code.toStdString(), &m_window);
    QImage quiet;
    QImage refusing;
    QPoint moved;
    test::whenModalOpens<Dialog>([&](Dialog& open) {
        type(*open.xBox(), QStringLiteral("40"));
        type(*open.yBox(), QStringLiteral("-60"));
        quiet = test::rendered(open);
        type(*open.xBox(), QStringLiteral("200"));
        refusing = test::rendered(open);
        const QPoint before = open.pos();
        test::press(open, {40, 40});
        test::moveHeld(open, {60, 45});
        test::release(open, {60, 45});
        moved = open.pos() - before;
        QTest::mouseClick(open.cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.ask(), std::nullopt);

    QCOMPARE(dialog.size(), kGunCursorDialogFile.size());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(moved, QPoint(20, 5));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.okButton()->geometry(), Dialog::kOkButton);
    QCOMPARE(dialog.cancelButton()->geometry(), Dialog::kCancelButton);
    QCOMPARE(dialog.xBox()->geometry(), Dialog::kXBox);
    QCOMPARE(dialog.yBox()->geometry(), Dialog::kYBox);
    QCOMPARE(dialog.okButton()->text(), ok);
    QCOMPARE(dialog.okButton()->fontHeight(), fontHeight);
    // The boxes are grey with white text; the refusal shows only while a box holds no amount.
    QCOMPARE(quiet.pixelColor(Dialog::kXBox.right() - 1, Dialog::kXBox.top()),
             QColor(109, 109, 109));
    QVERIFY(test::countBrighter(quiet, 200, Dialog::kXBox) > 0);
    QVERIFY(quiet.copy(Dialog::kRefusal) != refusing.copy(Dialog::kRefusal));
    QVERIFY(test::saveScreenshot(quiet, QStringLiteral("gun-cursor-%1.png").arg(code)));
    QVERIFY(test::saveScreenshot(refusing, QStringLiteral("gun-cursor-refused-%1.png").arg(code)));
}

void CDlgMacroGunMInsertCoorTest::withoutItsBackgroundItSaysSoAndDoesNotOpen() {
    test::TempFolder folder;
    const std::filesystem::path skins = folder.path() / "Skins";
    std::filesystem::copy(GX508_PROGRAM_DIR "/Skins", skins,
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(skins / "MacroGunMan" / "Insert Cursor" / "main.png");
    const Skin skin(QString::fromStdString(skins.string()));
    Dialog dialog(skin, "EN", &m_window);
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

QTEST_MAIN(gx508::CDlgMacroGunMInsertCoorTest)
#include "CDlgMacroGunMInsertCoorTest.moc"
