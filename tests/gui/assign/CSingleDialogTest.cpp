// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/CSingleDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

#include <X11/keysym.h>

#include <filesystem>
#include <utility>
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

void leave(CSingleDialog& dialog, Exit exit) {
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

class CSingleDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theLastKeyTouchedIsShownAndReturned_data();
    void theLastKeyTouchedIsShownAndReturned();
    void everyWayOutEndsTheCapture_data();
    void everyWayOutEndsTheCapture();
    void skinnedAtItsGeometryInEachLanguage_data();
    void skinnedAtItsGeometryInEachLanguage();
    void withoutItsBackgroundItSaysSoAndDoesNotOpen();

  private:
    QWidget m_window;
    Skin m_skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
};

void CSingleDialogTest::theLastKeyTouchedIsShownAndReturned_data() {
    QTest::addColumn<std::vector<Key>>("keys");
    QTest::addColumn<QString>("name");
    QTest::newRow("A") << std::vector<Key>{{XK_a, false}, {XK_a, true}} << QStringLiteral("A");
    QTest::newRow("A then Shift, released in that order")
        << std::vector<Key>{{XK_a, false}, {XK_Shift_L, false}, {XK_a, true}, {XK_Shift_L, true}}
        << QStringLiteral("Shift");
    QTest::newRow("main Enter") << std::vector<Key>{{XK_Return, false}} << QStringLiteral("Enter");
    QTest::newRow("numeric-pad Enter")
        << std::vector<Key>{{XK_KP_Enter, false}} << QStringLiteral("Num Enter");
    QTest::newRow("Escape, Space and F1 are keys like any other")
        << std::vector<Key>{{XK_Escape, false}, {XK_space, false}, {XK_F1, false}}
        << QStringLiteral("F1");
    QTest::newRow("Escape") << std::vector<Key>{{XK_Escape, false}, {XK_Escape, true}}
                            << QStringLiteral("Esc");
    QTest::newRow("right Ctrl") << std::vector<Key>{{XK_Control_R, true}}
                                << QStringLiteral("Right Ctrl");
    QTest::newRow("a key without a virtual key leaves the last one")
        << std::vector<Key>{{XK_b, false}, {XK_exclam, false}} << QStringLiteral("B");
}

void CSingleDialogTest::theLastKeyTouchedIsShownAndReturned() {
    QFETCH(std::vector<Key>, keys);
    QFETCH(QString, name);
    CSingleDialog dialog(m_skin, "EN", &m_window);
    QString shown;
    bool capturing = false;
    bool stayedOpen = true;
    test::whenModalOpens<CSingleDialog>([&](CSingleDialog& open) {
        capturing = open.keySource().IsCapturing();
        for (const Key& k : keys) {
            test::sendKey(open, k.keysym, k.release);
            stayedOpen = stayedOpen && open.isVisible();
        }
        shown = open.findChild<QLabel*>(QStringLiteral("keyName"))->text();
        QTest::mouseClick(open.okButton(), Qt::LeftButton);
    });
    const KeyCaptureResult result = dialog.capture();
    QVERIFY(capturing);
    QVERIFY(stayedOpen);
    QVERIFY(result.ok);
    QCOMPARE(QString::fromStdString(result.keyName), name);
    QCOMPARE(shown, name);
}

void CSingleDialogTest::everyWayOutEndsTheCapture_data() {
    QTest::addColumn<Exit>("exit");
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << Exit::Ok << true;
    QTest::newRow("Cancel") << Exit::Cancel << false;
    QTest::newRow("close button") << Exit::CloseButton << false;
    QTest::newRow("window closed") << Exit::CloseEvent << false;
}

void CSingleDialogTest::everyWayOutEndsTheCapture() {
    QFETCH(Exit, exit);
    QFETCH(bool, ok);
    CSingleDialog dialog(m_skin, "EN", &m_window);
    test::whenModalOpens<CSingleDialog>([exit](CSingleDialog& open) {
        test::sendKey(open, XK_q, false);
        leave(open, exit);
    });
    const KeyCaptureResult result = dialog.capture();
    QCOMPARE(result.ok, ok);
    QCOMPARE(QString::fromStdString(result.keyName), ok ? QStringLiteral("Q") : QString());
    QVERIFY(!dialog.keySource().IsCapturing());
    QVERIFY(!dialog.isVisible());
}

void CSingleDialogTest::skinnedAtItsGeometryInEachLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<int>("fontHeight");
    QTest::newRow("EN") << "EN"
                        << "Please assign a key"
                        << "Ok"
                        << "Cancel" << 14;
    QTest::newRow("CHS") << "CHS" << QString::fromUtf8("请输入一个按键")
                         << QString::fromUtf8("确定") << QString::fromUtf8("取消") << 13;
    QTest::newRow("CHT") << "CHT" << QString::fromUtf8("請指派一個鍵盤按鍵")
                         << QString::fromUtf8("確定") << QString::fromUtf8("取消") << 13;
    QTest::newRow("DE") << "DE" << QString::fromUtf8("Bitte wählen Sie eine Taste aus.") << "OK"
                        << "Abbrechen" << 14;
}

void CSingleDialogTest::skinnedAtItsGeometryInEachLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, prompt);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);
    QFETCH(int, fontHeight);
    CSingleDialog dialog(m_skin, code.toStdString(), &m_window);
    QImage picture;
    bool hovered = false;
    test::whenModalOpens<CSingleDialog>([&](CSingleDialog& open) {
        test::sendKey(open, XK_Shift_R, false);
        test::sendMouse(*open.okButton(), QEvent::MouseMove, {10, 10});
        hovered = open.okButton()->isHovered();
        picture = open.grab().toImage();
        QTest::mouseClick(open.cancelButton(), Qt::LeftButton);
    });
    QVERIFY(!dialog.capture().ok);

    QVERIFY(hovered);
    QCOMPARE(dialog.size(), kSingleKeyFile.size());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.windowTitle(), prompt);
    QCOMPARE(dialog.okButton()->geometry(), CSingleDialog::kOkButton);
    QCOMPARE(dialog.cancelButton()->geometry(), CSingleDialog::kCancelButton);
    QCOMPARE(dialog.closeButton()->geometry().topLeft(), QPoint(352, 6));
    QCOMPARE(dialog.okButton()->text(), ok);
    QCOMPARE(dialog.cancelButton()->text(), cancel);
    QCOMPARE(dialog.okButton()->fontHeight(), fontHeight);
    QCOMPARE(dialog.keyName(), std::string("Right Shift"));
    // The key name's field is white with the name in black; the prompt is drawn in white on the
    // dark body.
    const QRect field = CSingleDialog::kKeyName;
    QCOMPARE(picture.pixelColor(field.left() + 1, field.top() + 1), QColor(Qt::white));
    bool black = false;
    for (int x = field.left(); x <= field.right(); ++x) {
        black = black || picture.pixelColor(x, field.center().y()).value() < 80;
    }
    QVERIFY(black);
    bool white = false;
    for (int x = CSingleDialog::kPrompt.left(); x <= CSingleDialog::kPrompt.right(); ++x) {
        white = white || picture.pixelColor(x, CSingleDialog::kPrompt.center().y()).value() > 200;
    }
    QVERIFY(white);
    QVERIFY(test::saveScreenshot(picture, QStringLiteral("single-key-%1.png").arg(code)));
}

void CSingleDialogTest::withoutItsBackgroundItSaysSoAndDoesNotOpen() {
    test::TempFolder folder;
    const std::filesystem::path skins = folder.path() / "Skins";
    std::filesystem::copy(GX508_PROGRAM_DIR "/Skins", skins,
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(skins / "single-key.png");
    const Skin skin(QString::fromStdString(skins.string()));
    CSingleDialog dialog(skin, "EN", &m_window);
    QString shown;
    test::whenModalOpens<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.windowTitle() + QLatin1Char('|') + box.text();
        box.accept();
    });
    const KeyCaptureResult result = dialog.capture();
    QVERIFY(!result.ok);
    QCOMPARE(shown, QStringLiteral("Single Key Dialog Load background image failed!!!|error"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.keySource().IsCapturing());
}

}  // namespace gx508

QTEST_MAIN(gx508::CSingleDialogTest)
#include "CSingleDialogTest.moc"
