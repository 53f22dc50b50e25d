// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/MacroSelectorDialog.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

#include "gui/assign/CDlgGunMacroSelector.h"
#include "gui/assign/CMacroDialog.h"
#include "gui/assign/MacroSelectorLayout.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/Skin.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

using Element = MacroSelectorDialog::Element;

constexpr const char* kStore =
    "[MacroName]\r\nMacroCount=3\r\n0=Reload\r\n1=Jump twice\r\n2=Combo\r\n"
    "[GunMacroName]\r\nMacroCount=4\r\n0=Snipe\r\n1=AKM\r\n2=Standard Gun\r\n3=Burst\r\n";

// One of the two selectors, shown over a folder whose macro store holds `store`.
struct Selector {
    Selector(bool gun, const std::string& language, const char* store = kStore,
             const QString& skins = QStringLiteral(GX508_PROGRAM_DIR "/Skins"))
        : skin(skins) {
        if (store != nullptr) {
            test::WriteText(folder / "record.ini", store);
        }
        const Language lang = LanguageOf(language);
        if (gun) {
            dialog = std::make_unique<CDlgGunMacroSelector>(skin, lang, folder / "record.ini");
        } else {
            dialog = std::make_unique<CMacroDialog>(skin, lang, folder / "record.ini");
        }
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    void click(QPoint at) { QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, at); }
    void click(const QRect& rect) { click(rect.center()); }
    // Opens the list and chooses its entry `row`.
    void choose(int row) {
        click(layout::kSelectorDropDown);
        QListWidget* list = dialog->list();
        QVERIFY(list != nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < dialog->list()->count(); ++i) {
            names << dialog->list()->item(i)->text();
        }
        return names;
    }
    QString shownName() const {
        return dialog->findChild<QLabel*>(QStringLiteral("selectedName"))->text();
    }

    test::TempFolder folder;
    Skin skin;
    std::unique_ptr<MacroSelectorDialog> dialog;
};

}  // namespace

class MacroSelectorDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAtItsBackgroundsSizeInTheLanguage_data();
    void opensAtItsBackgroundsSizeInTheLanguage();
    void theListChoosesTheNameAndPositionAndTheModeIsKept_data();
    void theListChoosesTheNameAndPositionAndTheModeIsKept();
    void okWithoutAChoiceAndCancelAndClose_data();
    void okWithoutAChoiceAndCancelAndClose();
    void theListHoldsTheStoredNamesOnly_data();
    void theListHoldsTheStoredNamesOnly();
    void buttonsLightUnderThePointer();
    void keysAreSwallowedAndTheBodyMovesTheDialog();
    void aMissingBackgroundIsReportedAndTheDialogStillWorks();
};

void MacroSelectorDialogTest::opensAtItsBackgroundsSizeInTheLanguage_data() {
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("mode");
    QTest::newRow("macro EN") << false << QStringLiteral("EN")
                              << QStringLiteral("Please select a macro!") << QStringLiteral("Arial")
                              << 0;
    QTest::newRow("macro CHS") << false << QStringLiteral("CHS")
                               << QString::fromUtf8("请从列表框选择一个宏")
                               << QString::fromUtf8("黑体") << 0;
    QTest::newRow("gun EN") << true << QStringLiteral("EN")
                            << QStringLiteral("Please select a Gun!") << QStringLiteral("Arial")
                            << 2;
    QTest::newRow("gun CHS") << true << QStringLiteral("CHS")
                             << QString::fromUtf8("请从列表框选择一个枪械")
                             << QString::fromUtf8("黑体") << 2;
    QTest::newRow("gun DE") << true << QStringLiteral("DE")
                            << QStringLiteral("Bitte wählen Sie ein Makro aus!")
                            << QStringLiteral("Arial") << 2;
    QTest::newRow("macro, unknown code")
        << false << QStringLiteral("FR") << QString() << QStringLiteral("Arial") << 0;
}

void MacroSelectorDialogTest::opensAtItsBackgroundsSizeInTheLanguage() {
    QFETCH(bool, gun);
    QFETCH(QString, language);
    QFETCH(QString, hint);
    QFETCH(QString, face);
    QFETCH(int, mode);
    Selector s(gun, language.toStdString());
    MacroSelectorDialog& d = *s.dialog;
    QCOMPARE(d.size(), QSize(400, 290));
    QVERIFY(d.isModal());
    QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(d.font().family(), mappedFamily(face));
    QCOMPARE(d.font().pixelSize(), mappedFont(face, 13).pixelSize());
    QCOMPARE(int{d.playMode()}, mode);
    QCOMPARE(d.selectedPosition(), -1);
    QVERIFY(!d.listOpen());

    // The hint is painted white in its rectangle, or nothing is when the language has no text.
    const QImage blank = Selector(gun, "FR").dialog->grab().toImage();
    const QImage painted = d.grab().toImage();
    QCOMPARE(painted.copy(layout::kSelectorHint) == blank.copy(layout::kSelectorHint),
             hint.isEmpty());
    QCOMPARE(
        painted.copy(layout::kSelectorModeTexts[1]) == blank.copy(layout::kSelectorModeTexts[1]),
        hint.isEmpty());

    if (language == QLatin1String("EN") || language == QLatin1String("CHS")) {
        s.choose(1);
        s.click(layout::kSelectorModeBoxes[1]);
        s.click(layout::kSelectorDropDown);
        test::sendMouse(d, QEvent::MouseMove, layout::kSelectorOk.center());
        QVERIFY(test::saveScreenshot(
            d.grab().toImage(),
            QStringLiteral("%1-%2.png")
                .arg(gun ? QStringLiteral("gun-macro-selector") : QStringLiteral("macro-selector"),
                     language)));
    }
}

void MacroSelectorDialogTest::theListChoosesTheNameAndPositionAndTheModeIsKept_data() {
    QTest::addColumn<bool>("gun");
    QTest::addColumn<bool>("modeFirst");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::newRow("macro, mode after the name") << false << false << 1 << "Jump twice" << 2;
    QTest::newRow("macro, mode before the name") << false << true << 2 << "Combo" << 1;
    QTest::newRow("gun, mode after the name") << true << false << 3 << "Burst" << 0;
    QTest::newRow("gun, mode before the name") << true << true << 0 << "Snipe" << 1;
}

void MacroSelectorDialogTest::theListChoosesTheNameAndPositionAndTheModeIsKept() {
    QFETCH(bool, gun);
    QFETCH(bool, modeFirst);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, mode);
    Selector s(gun, "EN");
    MacroSelectorDialog& d = *s.dialog;
    if (modeFirst) {
        s.click(layout::kSelectorModeBoxes[static_cast<std::size_t>(mode)]);
    }
    s.click(layout::kSelectorDropDown);
    QVERIFY(d.listOpen());
    QCOMPARE(d.list()->parentWidget()->geometry(), layout::kSelectorList);
    // Opening the list leaves the mode as it was.
    QCOMPARE(int{d.playMode()}, modeFirst ? mode : (gun ? 2 : 0));
    QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {},
                      d.list()->visualItemRect(d.list()->item(row)).center());
    QTRY_VERIFY(!d.listOpen());
    QCOMPARE(d.selectedPosition(), row);
    QCOMPARE(d.selectedName(), name);
    QCOMPARE(s.shownName(), name);
    if (!modeFirst) {
        s.click(layout::kSelectorModeBoxes[static_cast<std::size_t>(mode)]);
    }

    // The list opened again and closed by a click beside it, or by the drop-down box, keeps
    // the choice.
    s.click(layout::kSelectorDropDown);
    QVERIFY(d.listOpen());
    s.click(QPoint(20, 200));
    QTRY_VERIFY(!d.listOpen());
    s.click(layout::kSelectorDropDown);
    s.click(layout::kSelectorDropDown);
    QVERIFY(!d.listOpen());
    QCOMPARE(d.selectedPosition(), row);

    s.click(layout::kSelectorOk);
    QVERIFY(!d.isVisible());
    const MacroChoice choice = d.choice();
    QVERIFY(choice.ok);
    QCOMPARE(QString::fromStdString(choice.name), name);
    QCOMPARE(choice.position, row);
    QCOMPARE(int{choice.runMode}, mode);
}

void MacroSelectorDialogTest::okWithoutAChoiceAndCancelAndClose_data() {
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<bool>("ok");
    QTest::newRow("macro OK") << false << layout::kSelectorOk << true;
    QTest::newRow("macro Cancel") << false << layout::kSelectorCancel << false;
    QTest::newRow("macro close") << false << layout::kSelectorClose << false;
    QTest::newRow("gun OK") << true << layout::kSelectorOk << true;
    QTest::newRow("gun close") << true << layout::kSelectorClose << false;
    QTest::newRow("gun, closed by the window") << true << QRect() << false;
}

void MacroSelectorDialogTest::okWithoutAChoiceAndCancelAndClose() {
    QFETCH(bool, gun);
    QFETCH(QRect, button);
    QFETCH(bool, ok);
    Selector s(gun, "EN");
    if (button.isNull()) {
        s.dialog->close();
    } else {
        s.click(button);
    }
    QVERIFY(!s.dialog->isVisible());
    const MacroChoice choice = s.dialog->choice();
    QCOMPARE(choice.ok, ok);
    QCOMPARE(choice.position, -1);
    QCOMPARE(int{choice.runMode}, gun ? 2 : 0);
    QVERIFY(choice.name.empty());
}

void MacroSelectorDialogTest::theListHoldsTheStoredNamesOnly_data() {
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QString>("store");  // "-": no store file
    QTest::addColumn<QStringList>("names");
    QTest::newRow("macros") << false << QString::fromLatin1(kStore)
                            << QStringList{"Reload", "Jump twice", "Combo"};
    QTest::newRow("gun macros") << true << QString::fromLatin1(kStore)
                                << QStringList{"Snipe", "AKM", "Standard Gun", "Burst"};
    QTest::newRow("no store file") << false << QStringLiteral("-") << QStringList{};
    QTest::newRow("no MacroCount")
        << true << QStringLiteral("[GunMacroName]\r\n0=Snipe\r\n") << QStringList{};
    QTest::newRow("MacroCount 0") << false
                                  << QStringLiteral("[MacroName]\r\nMacroCount=0\r\n0=\r\n")
                                  << QStringList{};
    QTest::newRow("empty entry kept, count past the keys")
        << false << QStringLiteral("[MacroName]\r\nMacroCount=100000000\r\n0=\r\n1=Last\r\n")
        << QStringList{"", "Last"};
}

void MacroSelectorDialogTest::theListHoldsTheStoredNamesOnly() {
    QFETCH(bool, gun);
    QFETCH(QString, store);
    QFETCH(QStringList, names);
    const std::string text = store.toStdString();
    Selector s(gun, "EN", store == QLatin1String("-") ? nullptr : text.c_str());
    const std::vector<std::uint8_t> before = test::ReadBytes(s.folder / "record.ini");
    s.click(layout::kSelectorDropDown);
    QVERIFY(s.dialog->listOpen());
    QCOMPARE(s.listed(), names);
    s.click(layout::kSelectorOk);
    QVERIFY(test::ReadBytes(s.folder / "record.ini") == before);
}

void MacroSelectorDialogTest::buttonsLightUnderThePointer() {
    Selector s(false, "EN");
    MacroSelectorDialog& d = *s.dialog;
    const QImage idle = d.grab().toImage();
    const std::pair<QRect, Element> buttons[] = {{layout::kSelectorOk, Element::Ok},
                                                 {layout::kSelectorCancel, Element::Cancel},
                                                 {layout::kSelectorClose, Element::Close}};
    for (const auto& [rect, element] : buttons) {
        test::sendMouse(d, QEvent::MouseMove, rect.center());
        QCOMPARE(d.hovered(), element);
        const QImage lit = d.grab().toImage();
        for (const auto& [other, unused] : buttons) {
            QCOMPARE(lit.copy(other) == idle.copy(other), other != rect);
        }
    }
    test::sendMouse(d, QEvent::MouseMove, layout::kSelectorModeBoxes[0].center());
    QCOMPARE(d.hovered(), Element::None);
    QVERIFY(d.grab().toImage() == idle);
}

void MacroSelectorDialogTest::keysAreSwallowedAndTheBodyMovesTheDialog() {
    Selector s(true, "EN");
    MacroSelectorDialog& d = *s.dialog;
    s.click(layout::kSelectorDropDown);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_F1}) {
        QTest::keyClick(&d, key);
        QTest::keyClick(d.list(), key);
    }
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), int{QDialog::Rejected});
    QCOMPARE(d.selectedPosition(), -1);

    const QPoint start = d.pos();
    test::press(d, QPoint(20, 200));
    QVERIFY(!d.listOpen());
    test::moveHeld(d, QPoint(50, 230));
    test::release(d, QPoint(50, 230));
    QCOMPARE(d.pos(), start + QPoint(30, 30));
    QVERIFY(d.isVisible());
}

void MacroSelectorDialogTest::aMissingBackgroundIsReportedAndTheDialogStillWorks() {
    test::TempFolder emptySkin;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        shown = box->windowTitle() + QLatin1Char('|') + box->text();
        box->accept();
    });
    Selector s(false, "EN", kStore, QString::fromStdString(emptySkin.path().string()));
    QCOMPARE(shown, QStringLiteral("Macro Key Dialog Load background image failed!!!|error"));
    QCOMPARE(s.dialog->size(), QSize(400, 290));
    s.choose(2);
    s.click(layout::kSelectorOk);
    QCOMPARE(s.dialog->choice().position, 2);
    QVERIFY(s.dialog->choice().ok);
}

}  // namespace gx508

QTEST_MAIN(gx508::MacroSelectorDialogTest)
#include "MacroSelectorDialogTest.moc"
