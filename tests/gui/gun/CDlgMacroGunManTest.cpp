// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunMan.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <X11/keysym.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/assign/AssignmentDispatch.h"
#include "core/store/IniFile.h"
#include "gui/gun/CDlgMacroGunInsertKB.h"
#include "gui/gun/CDlgMacroGunInsertMouseEvent.h"
#include "gui/gun/CDlgMacroGunMInsertCoor.h"
#include "gui/gun/GunManagerLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/Skin.h"
#include "support/KeyInput.h"
#include "support/ManagerProbe.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

using test::Lines;
using test::Q;
using test::Texts;

namespace {

// Three built-in gun macros and two of the user's: GUN_1 with a displacement between a press
// and a release, GUN_2 without items.
const char* const kGunMacros =
    "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n"
    "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=A   Dn\r\n"
    "[GunMacroName]\r\nMacroCount=5\r\n0=Snipe\r\n1=AKM\r\n2=Standard Gun\r\n3=GUN_1\r\n"
    "4=GUN_2\r\n"
    "[Snipe]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=2\r\n"
    "Item0=L-Button   Dn\r\nItem1=L-Button   Up\r\n"
    "[GUN_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=5\r\n"
    "Item0=L-Button   Dn\r\nItem1=X: 3\r\nItem2=Y: -2\r\nItem3=30 ms\r\nItem4=L-Button   Up\r\n";

// Whether clicking `button` opens a modal window over `owner`; one that opens is closed at once.
bool OpensModal(QWidget* owner, CBitmapBtn* button) {
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != owner) {
            opened = true;
            modal->close();
        }
    });
    poll.start(10);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(50);
    return opened;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// The manager on a store file of the test's making, with the shipped skin and keystrokes
// from the test.
struct GunManager {
    explicit GunManager(const std::string& content, const char* language = "EN") {
        std::ofstream(store, std::ios::binary) << content;
        dialog = std::make_unique<CDlgMacroGunMan>(skin, language, store, block, log);
        dialog->show();
        QApplication::processEvents();
    }

    Lines items(std::string_view section) const { return test::StoredItems(store, section); }
    Lines names() const { return test::StoredNames(store, "GunMacroName"); }

    void click(CBitmapBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void insertDelay() { click(dialog->insertDelayButton()); }
    bool opensStep(CBitmapBtn* button) { return OpensModal(dialog.get(), button); }
    // Opens the event list's menu with the right button and chooses Delete.
    bool deleteFromMenu() {
        return test::ChooseFromEventMenu(
            *dialog->eventList(), [this] { return dialog->eventMenu(); }, QStringLiteral("Delete"));
    }
    void selectMacro(int row) { dialog->nameList()->setCurrentRow(row); }
    void selectItem(int row) {
        QListWidget* list = dialog->eventList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QStringList shown() const { return Texts(*dialog->eventList()); }
    int selectedItem() const { return dialog->eventList()->currentRow(); }

    // Clicks `button` and answers the step dialog it opens.
    template <typename Step>
    void insertWith(CBitmapBtn* button, std::function<void(Step&)> answer) {
        test::whenModalOpens<Step>(std::move(answer));
        click(button);
    }
    void insertKey(unsigned long keysym) {
        insertWith<CDlgMacroGunInsertKB>(dialog->insertKeyButton(),
                                         [keysym](CDlgMacroGunInsertKB& step) {
                                             test::sendKey(step, keysym, false);
                                             QTest::mouseClick(step.okButton(), Qt::LeftButton);
                                         });
    }
    void insertMouseEvent(int event) {
        insertWith<CDlgMacroGunInsertMouseEvent>(
            dialog->insertMouseButton(), [event](CDlgMacroGunInsertMouseEvent& step) {
                const QPoint at =
                    CDlgMacroGunInsertMouseEvent::kAreas[static_cast<std::size_t>(event)].center();
                test::press(step, at);
                test::release(step, at);
                QTest::mouseClick(step.okButton(), Qt::LeftButton);
            });
    }
    void insertDisplacement(const QString& x, const QString& y) {
        insertWith<CDlgMacroGunMInsertCoor>(dialog->insertDisplacementButton(),
                                            [x, y](CDlgMacroGunMInsertCoor& step) {
                                                step.xBox()->setText(x);
                                                step.yBox()->setText(y);
                                                QTest::mouseClick(step.okButton(), Qt::LeftButton);
                                            });
    }

    test::TempFolder folder;
    std::filesystem::path store = folder / "record.ini";
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    SettingsBlock block;
    RecordingLog log;
    std::unique_ptr<CDlgMacroGunMan> dialog;
};

class CDlgMacroGunManTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheFirstGunMacro() {
        GunManager m(kGunMacros);
        QVERIFY(m.dialog->isSetUp());
        QCOMPARE(m.dialog->size(), QSize(420, 428));
        QCOMPARE(Texts(*m.dialog->nameList()),
                 QStringList({"Snipe", "AKM", "Standard Gun", "GUN_1", "GUN_2"}));
        QCOMPARE(m.dialog->nameList()->currentRow(), 0);
        QCOMPARE(m.shown(), QStringList({"L-Button   Dn", "L-Button   Up"}));
        QCOMPARE(m.dialog->loopField()->text(), QStringLiteral("2"));
        QVERIFY(m.dialog->loopOption());
        QVERIFY(m.dialog->recordDelay());
    }

    // A built-in shows its events and options, and nothing can change them.
    void theBuiltInsAreReadOnly() {
        GunManager m(kGunMacros);
        const std::string before = ReadFile(m.store);
        for (CBitmapBtn* button :
             {m.dialog->deleteButton(), m.dialog->recordButton(), m.dialog->insertKeyButton(),
              m.dialog->insertMouseButton(), m.dialog->insertDisplacementButton(),
              m.dialog->insertDelayButton()}) {
            QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
        }
        QVERIFY(!m.dialog->loopField()->isEnabled());
        m.selectItem(1);
        QVERIFY(!m.dialog->insertDelayButton()->isEnabled());
        QTest::mouseClick(m.dialog.get(), Qt::LeftButton, {},
                          layout::gun::kRecordDelayBox.center());
        QTest::mouseClick(m.dialog.get(), Qt::LeftButton, {}, layout::gun::kLoopBox.center());
        QVERIFY(m.dialog->recordDelay());
        QVERIFY(m.dialog->loopOption());
        QVERIFY(!m.deleteFromMenu());
        m.dialog->runEventCommand(CDlgMacroGunMan::kDeleteItem);
        QCOMPARE(m.shown().size(), 2);
        QCOMPARE(ReadFile(m.store), before);

        m.selectMacro(3);
        for (CBitmapBtn* button : {m.dialog->deleteButton(), m.dialog->recordButton(),
                                   m.dialog->insertKeyButton(), m.dialog->insertMouseButton()}) {
            QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        }
        QVERIFY(!m.dialog->insertDelayButton()->isEnabled());
        m.selectItem(0);
        QVERIFY(m.dialog->insertDisplacementButton()->isEnabled());
        QVERIFY(!m.dialog->insertDelayButton()->isEnabled());
        m.selectItem(3);
        QVERIFY(m.dialog->insertDelayButton()->isEnabled());
    }

    // A name is edited in place, a built-in's as well: its section goes with its new name and
    // its events stay as they were.
    void namesAreEditedInPlace_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        const QStringList snipe{"L-Button   Dn", "L-Button   Up"};
        QTest::newRow("a built-in") << 0 << "Sniper"
                                    << "Sniper" << snipe;
        QTest::newRow("the user's")
            << 3 << "Burst"
            << "Burst" << QStringList({"L-Button   Dn", "X: 3", "Y: -2", "30 ms", "L-Button   Up"});
        QTest::newRow("a macro's name is refused") << 0 << "Macro_1"
                                                   << "Snipe" << snipe;
    }

    void namesAreEditedInPlace() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        GunManager m(kGunMacros);
        QVERIFY(QTest::qWaitForWindowActive(m.dialog.get()));
        m.selectMacro(row);
        QListWidget* list = m.dialog->nameList();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        CLBEditorWnd* editor = m.dialog->editor();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m.dialog->editor() == nullptr);
        QCOMPARE(list->item(row)->text(), name);
        QCOMPARE(QString::fromStdString(m.names()[static_cast<std::size_t>(row)]), name);
        QCOMPARE(Q(m.items(name.toStdString())), items);
        if (name != QStringLiteral("Snipe") && row == 0) {
            QCOMPARE(m.items("Snipe").size(), 0u);
        }
    }

    // Each step lands after the selected item, as its pair, and is saved.
    void stepsLandAfterTheSelectedItem() {
        GunManager m(kGunMacros);
        m.selectMacro(4);
        QVERIFY(m.dialog->insertDisplacementButton()->isEnabled());
        m.insertDisplacement(QStringLiteral("5"), QStringLiteral("-3"));
        QCOMPARE(m.shown(), QStringList({"X: 5", "Y: -3"}));
        QCOMPARE(m.selectedItem(), 1);
        m.insertMouseEvent(0);
        QCOMPARE(m.selectedItem(), 3);
        m.insertDelay();
        m.insertKey(XK_a);
        const Lines expected = {"X: 5",          "Y: -3",  "L-Button   Dn", "50 ms",
                                "L-Button   Up", "A   Dn", "A   Up"};
        QCOMPARE(m.shown(), Q(expected));
        QCOMPARE(m.selectedItem(), 6);
        QCOMPARE(m.items("GUN_2"), expected);

        // Nothing comes between an X and its Y.
        m.selectItem(0);
        for (CBitmapBtn* button : {m.dialog->insertKeyButton(), m.dialog->insertMouseButton(),
                                   m.dialog->insertDisplacementButton()}) {
            QVERIFY2(!m.opensStep(button), qPrintable(button->text()));
        }
        QCOMPARE(m.shown(), Q(expected));
    }

    void cancelledStepsInsertNothing() {
        GunManager m(kGunMacros);
        m.selectMacro(3);
        m.selectItem(4);
        m.insertWith<CDlgMacroGunMInsertCoor>(
            m.dialog->insertDisplacementButton(), [](CDlgMacroGunMInsertCoor& step) {
                QTest::mouseClick(step.cancelButton(), Qt::LeftButton);
            });
        m.insertWith<CDlgMacroGunInsertMouseEvent>(
            m.dialog->insertMouseButton(), [](CDlgMacroGunInsertMouseEvent& step) {
                QTest::mouseClick(step.cancelButton(), Qt::LeftButton);
            });
        m.insertWith<CDlgMacroGunInsertKB>(
            m.dialog->insertKeyButton(), [](CDlgMacroGunInsertKB& step) {
                test::sendKey(step, XK_a, false);
                QTest::mouseClick(step.cancelButton(), Qt::LeftButton);
            });
        QCOMPARE(m.shown().size(), 5);
        QCOMPARE(m.items("GUN_1").size(), 5u);
    }

    void deletingAnItemTakesItsPartner_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("X takes its Y")
            << 1 << QStringList({"L-Button   Dn", "30 ms", "L-Button   Up"});
        QTest::newRow("Y takes its X")
            << 2 << QStringList({"L-Button   Dn", "30 ms", "L-Button   Up"});
        QTest::newRow("a press takes its release") << 0 << QStringList({"X: 3", "Y: -2", "30 ms"});
        QTest::newRow("a delay goes alone")
            << 3 << QStringList({"L-Button   Dn", "X: 3", "Y: -2", "L-Button   Up"});
    }

    void deletingAnItemTakesItsPartner() {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        GunManager m(kGunMacros);
        m.selectMacro(3);
        m.dialog->eventList()->setCurrentRow(row);
        QVERIFY(m.deleteFromMenu());
        QCOMPARE(m.shown(), left);
        QCOMPARE(Q(m.items("GUN_1")), left);
    }

    // Insertions stop while the list holds 256 items.
    void theItemLimit() {
        std::string file =
            "[GunMacroName]\r\nMacroCount=4\r\n0=a\r\n1=b\r\n2=c\r\n3=Long\r\n"
            "[Long]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=255\r\n";
        for (int i = 0; i < 255; ++i) {
            file += "Item" + std::to_string(i) + "=" + (i % 2 == 0 ? "K   Dn" : "K   Up") + "\r\n";
        }
        GunManager m(file);
        m.selectMacro(3);
        m.selectItem(254);
        m.insertDelay();
        QCOMPARE(m.shown().size(), 256);
        m.selectItem(255);
        for (CBitmapBtn* button : {m.dialog->insertKeyButton(), m.dialog->insertMouseButton(),
                                   m.dialog->insertDisplacementButton()}) {
            QVERIFY2(!m.opensStep(button), qPrintable(button->text()));
        }
        m.insertDelay();
        QCOMPARE(m.shown().size(), 256);
        QCOMPARE(m.items("Long").size(), 256u);
    }

    void newGunMacrosAreNamedByLanguageUpToTwelve_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("EN") << "EN"
                            << "GUN_3";
        QTest::newRow("DE reads Chinese texts but names GUN") << "DE"
                                                              << "GUN_3";
        QTest::newRow("CHS") << "CHS" << QString::fromUtf8("枪械_3");
    }

    void newGunMacrosAreNamedByLanguageUpToTwelve() {
        QFETCH(QString, language);
        QFETCH(QString, name);
        GunManager m(kGunMacros, language.toLatin1().constData());
        m.click(m.dialog->newButton());
        QCOMPARE(m.dialog->nameList()->currentItem()->text(), name);
        QVERIFY(m.dialog->insertDisplacementButton()->isEnabled());
        QVERIFY(!m.dialog->insertDelayButton()->isEnabled());
        QVERIFY(m.dialog->insertKeyButton()->isEnabled());
        for (int i = 0; i < 10; ++i) {
            m.click(m.dialog->newButton());
        }
        QCOMPARE(m.dialog->nameList()->count(), 12);
        QCOMPARE(m.names().size(), 11u);  // the twelfth is listed once it is saved
        m.click(m.dialog->okButton());
        QCOMPARE(m.names().size(), 12u);
    }

    void okKeepsTheEditsAndCancelPutsTheGunMacrosBack() {
        for (const bool ok : {true, false}) {
            GunManager m(kGunMacros);
            const std::string before = ReadFile(m.store);
            m.selectMacro(3);
            m.selectItem(4);
            m.insertDelay();
            m.click(m.dialog->newButton());
            m.insertDisplacement(QStringLiteral("1"), QStringLiteral("2"));
            m.selectMacro(4);
            m.click(m.dialog->deleteButton());
            m.click(ok ? m.dialog->okButton() : m.dialog->cancelButton());
            QVERIFY(!m.dialog->isVisible());
            QCOMPARE(m.dialog->result(), ok ? QDialog::Accepted : QDialog::Rejected);
            if (ok) {
                QCOMPARE(m.names(), (Lines{"Snipe", "AKM", "Standard Gun", "GUN_1", "GUN_3"}));
                QCOMPARE(m.items("GUN_3"), (Lines{"X: 1", "Y: 2"}));
                QCOMPARE(m.items("GUN_1").size(), 6u);
            } else {
                QCOMPARE(m.names(), (Lines{"Snipe", "AKM", "Standard Gun", "GUN_1", "GUN_2"}));
                QCOMPARE(m.items("GUN_1").size(), 5u);
                QVERIFY(!IniDocument::Load(m.store).Get("GUN_3", "ItemCount"));
                QCOMPARE(IniDocument::Load(m.store).Get("Macro_1", "Item0"), "A   Dn");
            }
            QCOMPARE(ReadFile(m.store) == before, !ok);
        }
    }

    // A close the user did not choose by Cancel (the desktop's, or the program's when the
    // mouse goes) keeps what was written and drops a recording.
    void closingKeepsWhatWasWritten() {
        GunManager m(kGunMacros);
        m.selectMacro(3);
        m.selectItem(4);
        m.insertDelay();
        m.selectMacro(4);
        m.click(m.dialog->recordButton());
        QVERIFY(m.dialog->keySource().IsCapturing());
        test::sendKey(*m.dialog, XK_w, false);
        m.dialog->close();
        QVERIFY(!m.dialog->isVisible());
        QVERIFY(!m.dialog->recording());
        QVERIFY(!m.dialog->keySource().IsCapturing());
        QCOMPARE(m.items("GUN_1").size(), 6u);
        QCOMPARE(m.items("GUN_2").size(), 0u);
        QCOMPARE(m.names(), (Lines{"Snipe", "AKM", "Standard Gun", "GUN_1", "GUN_2"}));
    }

    // OK says so when a gun macro bound to a button has grown past what the mouse holds
    // beside the other bound ones, which Apply would have to cut short.
    void okWarnsWhenABoundGunMacroWouldBeCutShort() {
        // GUN_1: 108 keys of 6 bytes each (their delays take the long record), 652 bytes in
        // all, in gun slot 6; two copies of the built-in Snipe (504 bytes each) in slots 7 and 8
        // leave it 1663 - 1008 = 655 bytes of the gun stream.
        std::string file =
            "[GunMacroName]\r\nMacroCount=4\r\n0=Snipe\r\n1=AKM\r\n"
            "2=Standard Gun\r\n3=GUN_1\r\n"
            "[GUN_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\n"
            "ItemCount=216\r\n";
        for (int i = 0; i < 216; ++i) {
            const std::string item = i % 2 == 1 ? "300 ms" : i % 4 == 0 ? "K   Dn" : "K   Up";
            file += "Item" + std::to_string(i) + "=" + item + "\r\n";
        }
        GunManager m(file);
        for (const auto& [slot, position] : {std::pair{6, 3}, std::pair{7, 0}, std::pair{8, 0}}) {
            m.block.setSlot(SlotField::InUse, slot, kSlotUsed);
            m.block.setSlot(SlotField::Kind, slot, kKindGunMacro);
            m.block.setSlot(SlotField::MacroNumber, slot, static_cast<std::uint8_t>(position));
        }
        const SettingsBlock bound = m.block;
        m.click(m.dialog->okButton());
        QVERIFY(!m.dialog->cutShortWarning());
        QCOMPARE(m.dialog->result(), QDialog::Accepted);

        m.dialog->show();
        m.dialog->setResult(QDialog::Rejected);
        m.selectMacro(3);
        m.selectItem(215);
        m.insertKey(XK_a);  // 4 bytes more
        m.click(m.dialog->okButton());
        QMessageBox* warning = m.dialog->cutShortWarning();
        QVERIFY(warning != nullptr);
        QVERIFY2(warning->text().contains(QStringLiteral("\"GUN_1\" would be cut short")),
                 qPrintable(warning->text()));
        QVERIFY(m.dialog->isVisible());
        QCOMPARE(m.items("GUN_1").size(), 218u);
        QVERIFY(m.block == bound);  // the check builds a copy

        warning->findChild<QPushButton*>(QStringLiteral("keepEditing"))->click();
        QVERIFY(m.dialog->isVisible());
        m.click(m.dialog->okButton());
        QVERIFY(m.dialog->cutShortWarning() != nullptr);
        m.dialog->cutShortWarning()
            ->findChild<QPushButton*>(QStringLiteral("closeAnyway"))
            ->click();
        QVERIFY(!m.dialog->isVisible());
        QCOMPARE(m.dialog->result(), QDialog::Accepted);
    }

    void recordingFillsTheEventList() {
        GunManager m(kGunMacros);
        m.selectMacro(4);
        m.click(m.dialog->recordButton());
        QVERIFY(m.dialog->recording());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Stop Recording"));
        test::sendKey(*m.dialog, XK_w, false);
        test::sendKey(*m.dialog, XK_w, true);
        m.click(m.dialog->recordButton());
        QVERIFY(!m.dialog->recording());
        QCOMPARE(m.shown(), QStringList({"W   Dn", "W   Up"}));
        QCOMPARE(m.items("GUN_2"), (Lines{"W   Dn", "W   Up"}));
    }

    void screenshots_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("EN") << "EN"
                            << "Gun Managent";
        QTest::newRow("CHS") << "CHS" << QString::fromUtf8("枪械管理器");
    }

    void screenshots() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        GunManager m(kGunMacros, language.toLatin1().constData());
        QCOMPARE(m.dialog->windowTitle(), title);
        m.selectMacro(3);
        m.selectItem(1);
        const QImage shot = m.dialog->grab().toImage();
        QVERIFY(test::saveScreenshot(shot, QStringLiteral("gun-manager-%1.png").arg(language)));
        QVERIFY(test::countBrighter(shot, 200, QRect(10, 5, 120, 25)) > 20);  // the title
    }

    void withoutItsBackgroundItSaysSoAndDoesNotOpen() {
        test::TempFolder folder;
        const Skin empty(QString::fromStdString(folder.path().string()));
        SettingsBlock block;
        RecordingLog log;
        QString caption;
        QString text;
        test::whenModalOpens<QMessageBox>([&](QMessageBox& box) {
            caption = box.windowTitle();
            text = box.text();
            box.accept();
        });
        CDlgMacroGunMan::run(empty, "EN", folder / "record.ini", block, log, nullptr);
        QCOMPARE(caption, QStringLiteral("Dialog Load background image failed!!!"));
        QCOMPARE(text, QStringLiteral("error"));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgMacroGunManTest)
#include "CDlgMacroGunManTest.moc"
