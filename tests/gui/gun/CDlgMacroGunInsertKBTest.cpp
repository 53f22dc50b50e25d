// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunInsertKB.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

#include <X11/keysym.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/Skin.h"
#include "support/KeyInput.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

struct Key {
    unsigned long keysym;
    bool release;
};

// How the dialog is left.
enum class Exit { Ok, Cancel, CloseButton, CloseEvent };

void leave(CDlgMacroGunInsertKB& dialog, Exit exit) {
    switch (exit) {
        case Exit::Ok:
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            break;
        case Exit::Cancel:
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            break;
        case Exit::CloseButton:
            QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
            break;
        case Exit::CloseEvent:
            dialog.close();
            break;
    }
}

}  // namespace

class CDlgMacroGunInsertKBTest : public QObject {
    Q_OBJECT

  private slots:
    void theLastKeyTouchedIsShownAndReturned_data();
    void theLastKeyTouchedIsShownAndReturned();
    void everyWayOutEndsTheCapture_data();
    void everyWayOutEndsTheCapture();
    void skinnedInEachLanguage_data();
    void skinnedInEachLanguage();
    void withoutItsBackgroundItSaysSoAndDoesNotOpen();

  private:
    QWidget m_window;
    Skin m_skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
};

void CDlgMacroGunInsertKBTest::theLastKeyTouchedIsShownAndReturned_data() {
    QTest::addColumn<std::vector<Key>>("keys");
    QTest::addColumn<QString>("name");
    QTest::newRow("A pressed and released")
        << std::vector<Key>{{XK_a, false}, {XK_a, true}} << QStringLiteral("A");
    QTest::newRow("the release of the first of two keys held")
        << std::vector<Key>{{XK_a, false},
                            {XK_Control_L, false},
                            {XK_Control_L, true},
                            {XK_a, true}}
        << QStringLiteral("A");
    QTest::newRow("main Enter") << std::vector<Key>{{XK_Return, false}} << QStringLiteral("Enter");
    QTest::newRow("numeric-pad Enter")
        << std::vector<Key>{{XK_KP_Enter, false}, {XK_KP_Enter, true}}
        << QStringLiteral("Num Enter");
    QTest::newRow("Escape does not close the dialog")
        << std::vector<Key>{{XK_Escape, false}, {XK_Escape, true}} << QStringLiteral("Esc");
    QTest::newRow("the Windows key is a key like any other")
        << std::vector<Key>{{XK_Super_L, false}} << QStringLiteral("Left Windows");
    QTest::newRow("Space and F1 press nothing")
        << std::vector<Key>{{XK_space, false}, {XK_F1, false}} << QStringLiteral("F1");
}

void CDlgMacroGunInsertKBTest::theLastKeyTouchedIsShownAndReturned() {
    QFETCH(std::vector<Key>, keys);
    QFETCH(QString, name);
    CDlgMacroGunInsertKB dialog(m_skin, "EN", &m_window);
    QString shown;
    bool capturing = false;
    bool stayedOpen = true;
    test::whenModalOpens<CDlgMacroGunInsertKB>([&](CDlgMacroGunInsertKB& open) {
        capturing = open.keySource().IsCapturing();
        for (const Key& k : keys) {
            test::sendKey(open, k.keysym, k.release);
            stayedOpen = stayedOpen && open.isVisible();
        }
        shown = open.findChild<QLabel*>(QStringLiteral("keyName"))->text();
        QTest::mouseClick(open.okButton(), Qt::LeftButton);
    });
    const std::optional<std::string> result = dialog.ask();
    QVERIFY(capturing);
    QVERIFY(stayedOpen);
    QVERIFY(result.has_value());
    QCOMPARE(QString::fromStdString(*result), name);
    QCOMPARE(shown, name);
}

void CDlgMacroGunInsertKBTest::everyWayOutEndsTheCapture_data() {
    QTest::addColumn<bool>("typed");
    QTest::addColumn<Exit>("exit");
    QTest::addColumn<bool>("answered");
    QTest::newRow("OK after a key") << true << Exit::Ok << true;
    QTest::newRow("OK before any key") << false << Exit::Ok << false;
    QTest::newRow("Cancel") << true << Exit::Cancel << false;
    QTest::newRow("close button") << true << Exit::CloseButton << false;
    QTest::newRow("window closed") << true << Exit::CloseEvent << false;
}

void CDlgMacroGunInsertKBTest::everyWayOutEndsTheCapture() {
    QFETCH(bool, typed);
    QFETCH(Exit, exit);
    QFETCH(bool, answered);
    CDlgMacroGunInsertKB dialog(m_skin, "EN", &m_window);
    test::whenModalOpens<CDlgMacroGunInsertKB>([typed, exit](CDlgMacroGunInsertKB& open) {
        if (typed) {
            test::sendKey(open, XK_q, false);
        }
        leave(open, exit);
    });
    const std::optional<std::string> result = dialog.ask();
    QCOMPARE(result, answered ? std::optional<std::string>("Q") : std::nullopt);
    QVERIFY(!dialog.keySource().IsCapturing());
    QVERIFY(!dialog.isVisible());
}

void CDlgMacroGunInsertKBTest::skinnedInEachLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<int>("fontHeight");
    QTest::newRow("EN") << "EN"
                        << "Insert Keyboard Key"
                        << "Ok"
                        << "Cancel" << 14;
    QTest::newRow("CHS") << "CHS" << QString::fromUtf8("插入键盘动作") << QString::fromUtf8("确定")
                         << QString::fromUtf8("取消") << 13;
    QTest::newRow("DE") << "DE" << QString::fromUtf8("插入键盘动作") << "OK"
                        << "Abbrechen" << 14;
    QTest::newRow("an unknown code is English") << "xx"
                                                << "Insert Keyboard Key"
                                                << "Ok"
                                                << "Cancel" << 14;
}

void CDlgMacroGunInsertKBTest::skinnedInEachLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, title);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);
    QFETCH(int, fontHeight);
    CDlgMacroGunInsertKB dialog(m_skin, code.toStdString(), &m_window);
    QImage picture;
    QPoint moved;
    test::whenModalOpens<CDlgMacroGunInsertKB>([&](CDlgMacroGunInsertKB& open) {
        test::sendKey(open, XK_Shift_R, false);
        picture = open.grab().toImage();
        const QPoint before = open.pos();
        test::press(open, {200, 340});
        test::moveHeld(open, {230, 360});
        test::release(open, {230, 360});
        moved = open.pos() - before;
        QTest::mouseClick(open.cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.ask(), std::nullopt);

    QCOMPARE(dialog.size(), kGunKeyDialogFile.size());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(moved, QPoint(30, 20));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.okButton()->geometry(), CDlgMacroGunInsertKB::kOkButton);
    QCOMPARE(dialog.cancelButton()->geometry(), CDlgMacroGunInsertKB::kCancelButton);
    QCOMPARE(dialog.okButton()->text(), ok);
    QCOMPARE(dialog.cancelButton()->text(), cancel);
    QCOMPARE(dialog.okButton()->fontHeight(), fontHeight);
    QCOMPARE(dialog.keyName(), std::string("Right Shift"));
    // The key name's field is grey with the name in white.
    const QRect field = CDlgMacroGunInsertKB::kKeyName;
    QCOMPARE(picture.pixelColor(field.left() + 1, field.top() + 1), QColor(109, 109, 109));
    QVERIFY(test::countBrighter(picture, 200, field) > 0);
    QVERIFY(test::saveScreenshot(picture, QStringLiteral("gun-key-%1.png").arg(code)));
}

void CDlgMacroGunInsertKBTest::withoutItsBackgroundItSaysSoAndDoesNotOpen() {
    test::TempFolder folder;
    const std::filesystem::path skins = folder.path() / "Skins";
    std::filesystem::copy(GX508_PROGRAM_DIR "/Skins", skins,
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(skins / "MacroGunMan" / "box.png");
    const Skin skin(QString::fromStdString(skins.string()));
    CDlgMacroGunInsertKB dialog(skin, "EN", &m_window);
    QString shown;
    test::whenModalOpens<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.windowTitle() + QLatin1Char('|') + box.text();
        box.accept();
    });
    QCOMPARE(dialog.ask(), std::nullopt);
    QCOMPARE(shown, QStringLiteral("Dialog Load background image failed!!!|error"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.keySource().IsCapturing());
}

}  // namespace gx508

QTEST_MAIN(gx508::CDlgMacroGunInsertKBTest)
#include "CDlgMacroGunInsertKBTest.moc"
