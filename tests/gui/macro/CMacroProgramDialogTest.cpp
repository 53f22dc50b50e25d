// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/macro/CMacroProgramDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/store/IniFile.h"
#include "gui/macro/MacroManagerLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/Skin.h"
#include "support/KeyInput.h"
#include "support/ManagerProbe.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"

namespace gx508 {

using test::Lines;
using test::Q;
using test::Texts;

namespace {

constexpr unsigned long kKeysymA = 0x61;  // XK_a

// A store of three macros: Macro_1 loops three times and records delays, Macro_2 has two
// items, Macro_3 one.
const char* const kThreeMacros =
    "[MacroName]\r\nMacroCount=3\r\n0=Macro_1\r\n1=Macro_2\r\n"
    "2=Macro_3\r\n"
    "[Macro_1]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=3\r\n"
    "ItemCount=3\r\nItem0=A   Dn\r\nItem1=96 ms\r\nItem2=A   Up\r\n"
    "[Macro_2]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\n"
    "ItemCount=2\r\nItem0=B   Dn\r\nItem1=B   Up\r\n"
    "[Macro_3]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\n"
    "ItemCount=1\r\nItem0=C   Dn\r\n"
    "[GunMacroName]\r\nMacroCount=1\r\n0=GUN_1\r\n";

}  // namespace

// The manager on a store file of the test's making, with the shipped skin, English texts and
// keystrokes from the test.
struct Manager {
    explicit Manager(const std::string& content, const char* language = "EN") {
        std::ofstream(store, std::ios::binary) << content;
        open(language);
    }
    Manager() { open("EN"); }

    void open(const char* language) {
        dialog = std::make_unique<CMacroProgramDialog>(skin, language, store, log);
        dialog->show();
        QApplication::processEvents();
    }

    std::string get(std::string_view section, std::string_view key) const {
        return IniDocument::Load(store).Get(section, key).value_or("<missing>");
    }
    Lines items(std::string_view section) const { return test::StoredItems(store, section); }
    Lines names() const { return test::StoredNames(store, "MacroName"); }
    bool hasSection(std::string_view section) const {
        return IniDocument::Load(store).Get(section, "ItemCount").has_value() ||
               IniDocument::Load(store).Get(section, "MacroLoopTimes").has_value();
    }

    void click(CBitmapBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickAt(QRect box) { QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, box.center()); }
    void selectMacro(int row) { dialog->macroList()->setCurrentRow(row); }
    void selectItem(int row) {
        QListWidget* list = dialog->eventList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Keys as they reach the window while the desktop's keys cannot be captured.
    void press(unsigned long keysym) { test::sendKey(*dialog, keysym, false); }
    void release(unsigned long keysym) { test::sendKey(*dialog, keysym, true); }
    void tap(unsigned long keysym) {
        press(keysym);
        release(keysym);
    }
    bool capturing() const { return dialog->keySource().IsCapturing(); }

    // The message box the window shows, or nullptr.
    QMessageBox* message() const { return dialog->findChild<QMessageBox*>(); }

    test::TempFolder folder;
    std::filesystem::path store = folder / "record.ini";
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    RecordingLog log;
    std::unique_ptr<CMacroProgramDialog> dialog;
};

class CMacroProgramDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheFirstMacro() {
        Manager m(kThreeMacros);
        QVERIFY(m.dialog->isSetUp());
        QCOMPARE(m.dialog->size(), QSize(492, 436));
        QCOMPARE(Texts(*m.dialog->macroList()), QStringList({"Macro_1", "Macro_2", "Macro_3"}));
        QCOMPARE(m.dialog->macroList()->currentRow(), 0);
        QCOMPARE(Texts(*m.dialog->eventList()), QStringList({"A   Dn", "96 ms", "A   Up"}));
        QCOMPARE(m.dialog->loopField()->text(), QStringLiteral("3"));
        QVERIFY(m.dialog->loopOption());
        QVERIFY(m.dialog->loopField()->isEnabled());
        QVERIFY(m.dialog->recordDelay());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Start Recording"));
    }

    void withoutMacrosTheListsAreEmptyAndTheLoopFieldIsOff() {
        Manager m;
        QCOMPARE(m.dialog->macroList()->count(), 0);
        QCOMPARE(m.dialog->eventList()->count(), 0);
        QVERIFY(!m.dialog->loopField()->isEnabled());
        m.click(m.dialog->recordButton());
        QVERIFY(!m.dialog->recording());
        QVERIFY(!m.capturing());
    }

    void selectingAMacroLoadsIt() {
        Manager m(kThreeMacros);
        m.selectMacro(1);
        QCOMPARE(Texts(*m.dialog->eventList()), QStringList({"B   Dn", "B   Up"}));
        QCOMPARE(m.dialog->loopField()->text(), QStringLiteral("1"));
        QVERIFY(!m.dialog->loopOption());
        QVERIFY(!m.dialog->loopField()->isEnabled());
        QVERIFY(!m.dialog->recordDelay());
    }

    void newNamesTheMacroAfterTheLastOne_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("first, English") << QString() << "EN"
                                        << "Macro_1";
        QTest::newRow("first, German") << QString() << "DE"
                                       << "Makro_1";
        QTest::newRow("after the last number") << "[MacroName]\r\nMacroCount=1\r\n0=Macro_7\r\n"
                                               << "EN"
                                               << "Macro_8";
        QTest::newRow("last without an underscore")
            << "[MacroName]\r\nMacroCount=3\r\n0=a\r\n1=b\r\n2=c\r\n"
            << "EN"
            << "Macro_4";
    }

    void newNamesTheMacroAfterTheLastOne() {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(QString, name);
        Manager m(file.toStdString(), language.toLatin1().constData());
        const int before = m.dialog->macroList()->count();
        m.click(m.dialog->newButton());
        QCOMPARE(m.dialog->macroList()->count(), before + 1);
        QCOMPARE(m.dialog->macroList()->currentItem()->text(), name);
        QCOMPARE(m.dialog->eventList()->count(), 0);
        QCOMPARE(m.dialog->loopField()->text(), QStringLiteral("1"));
        QCOMPARE(m.get(name.toStdString(), "MacroLoopTimes"), "1");

        m.click(m.dialog->okButton());
        QVERIFY(!m.dialog->isVisible());
        QCOMPARE(m.names().back(), name.toStdString());
        QVERIFY2(!m.hasSection(name.toStdString()), "a macro without events has no section");
    }

    void aThirteenthMacroIsRefused() {
        std::string file = "[MacroName]\r\nMacroCount=12\r\n";
        for (int i = 0; i < 12; ++i) {
            file += std::to_string(i) + "=Macro_" + std::to_string(i + 1) + "\r\n";
        }
        Manager m(file);
        m.click(m.dialog->newButton());
        QVERIFY(m.message() != nullptr);
        QCOMPARE(m.message()->text(), QStringLiteral("Up to 12 Macros Possible."));
        QCOMPARE(m.message()->windowTitle(), QStringLiteral("ATTENTION!"));
        QCOMPARE(m.dialog->macroList()->count(), 12);
        QCOMPARE(m.names().size(), 12u);
    }

    void deleteRemovesTheMacroAndLoadsTheNextOne() {
        Manager m(kThreeMacros);
        m.selectMacro(1);
        m.click(m.dialog->deleteButton());
        QCOMPARE(Texts(*m.dialog->macroList()), QStringList({"Macro_1", "Macro_3"}));
        QCOMPARE(m.dialog->macroList()->currentRow(), 1);
        QCOMPARE(Texts(*m.dialog->eventList()), QStringList({"C   Dn"}));
        QCOMPARE(m.names(), (Lines{"Macro_1", "Macro_3"}));
        QVERIFY(!m.hasSection("Macro_2"));
        QCOMPARE(m.items("Macro_1"), (Lines{"A   Dn", "96 ms", "A   Up"}));

        m.click(m.dialog->deleteButton());
        m.click(m.dialog->deleteButton());
        QCOMPARE(m.dialog->macroList()->count(), 0);
        QCOMPARE(m.dialog->eventList()->count(), 0);
        QVERIFY(!m.dialog->loopField()->isEnabled());
        QCOMPARE(m.get("MacroName", "MacroCount"), "0");
        QCOMPARE(m.get("MacroName", "0"), "");
        QCOMPARE(m.get("GunMacroName", "0"), "GUN_1");
        m.click(m.dialog->deleteButton());
        QCOMPARE(m.get("MacroName", "MacroCount"), "0");
    }

    void theLoopCountIsWrittenAsItIsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in range") << "25"
                                  << "25";
        QTest::newRow("the largest") << "65535"
                                     << "65535";
        QTest::newRow("zero") << "0"
                              << "1";
        QTest::newRow("too large") << "70000"
                                   << "1";
        QTest::newRow("letters are not taken") << "4x"
                                               << "4";
        QTest::newRow("emptied") << "\b"
                                 << "1";
    }

    void theLoopCountIsWrittenAsItIsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Manager m(kThreeMacros);
        m.dialog->loopField()->selectAll();  // typing replaces Macro_1's count of 3
        QTest::keyClicks(m.dialog->loopField(), typed);
        QCOMPARE(m.dialog->loopField()->text(), shown);
        QCOMPARE(QString::fromStdString(m.get("Macro_1", "MacroLoopTimes")), shown);
        QCOMPARE(m.items("Macro_1"), (Lines{"A   Dn", "96 ms", "A   Up"}));
    }

    void theLoopBoxTurnsTheFieldOnAndOff() {
        Manager m(kThreeMacros);
        m.selectMacro(1);
        QVERIFY(!m.dialog->loopOption());
        QVERIFY(!m.dialog->loopField()->isEnabled());
        m.clickAt(layout::macro::kLoopBox);
        QVERIFY(m.dialog->loopOption());
        QVERIFY(m.dialog->loopField()->isEnabled());
        m.clickAt(layout::macro::kLoopBox);
        QVERIFY(!m.dialog->loopField()->isEnabled());
    }

    void theRecordDelayBoxToggles() {
        Manager m(kThreeMacros);
        QVERIFY(m.dialog->recordDelay());
        m.clickAt(layout::macro::kRecordDelayBox);
        QVERIFY(!m.dialog->recordDelay());
        m.click(m.dialog->okButton());
        QCOMPARE(m.get("Macro_1", "DelayTimeSelStatus"), "0");
    }

    void eachMenuCommandEditsAndSaves_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selection");
        const QStringList start{"A   Dn", "96 ms", "A   Up"};
        QTest::newRow("delete") << 1 << "Delete" << QStringList({"A   Dn", "A   Up"}) << -1;
        QTest::newRow("left button after an event")
            << 0 << "Insert Left Button"
            << QStringList({"A   Dn", "L-Button   Dn", "L-Button   Up", "96 ms", "A   Up"}) << 2;
        QTest::newRow("middle button after a delay")
            << 1 << "Insert Middle Button"
            << QStringList({"A   Dn", "96 ms", "M-Button   Dn", "M-Button   Up", "A   Up"}) << 2;
        QTest::newRow("right button at the end")
            << 2 << "Inset Right Button"
            << QStringList({"A   Dn", "96 ms", "A   Up", "R-Button   Dn", "R-Button   Up"}) << 4;
        QTest::newRow("delay next to a delay does nothing") << 2 << "Inset Delay" << start << 2;
        QTest::newRow("delay on the first item does nothing") << 0 << "Inset Delay" << start << 0;
    }

    void eachMenuCommandEditsAndSaves() {
        QFETCH(int, selected);
        QFETCH(QString, entry);
        QFETCH(QStringList, items);
        QFETCH(int, selection);
        Manager m(kThreeMacros);
        m.selectItem(selected);
        choose(m, entry);
        QCOMPARE(Texts(*m.dialog->eventList()), items);
        QCOMPARE(m.dialog->eventList()->currentRow(), selection);
        QCOMPARE(Q(m.items("Macro_1")), items);
        QCOMPARE(m.get("Macro_1", "MacroLoopTimes"), "3");
    }

    void insertDelayGoesBeforeTheSelectedEvent() {
        Manager m(kThreeMacros);
        m.selectMacro(1);
        m.selectItem(1);
        choose(m, QStringLiteral("Inset Delay"));
        const QStringList items{"B   Dn", "50 ms", "B   Up"};
        QCOMPARE(Texts(*m.dialog->eventList()), items);
        QCOMPARE(m.dialog->eventList()->currentRow(), 2);
        QCOMPARE(Q(m.items("Macro_2")), items);
    }

    void theMenuNeedsASelectedItem() {
        Manager m(kThreeMacros);
        QListWidget* list = m.dialog->eventList();
        QCOMPARE(list->currentRow(), -1);
        QTest::mousePress(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(m.dialog->eventMenu() == nullptr);
    }

    void recordingReplacesTheEventsAndSavesAtTheStop() {
        Manager m(kThreeMacros);
        m.clickAt(layout::macro::kRecordDelayBox);  // no delays, so the items are fixed
        m.click(m.dialog->recordButton());
        QVERIFY(m.dialog->recording());
        QVERIFY(m.capturing());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Stop Recording"));
        QCOMPARE(m.dialog->eventList()->count(), 0);
        m.press(kKeysymA);
        m.press(kKeysymA);
        m.release(kKeysymA);
        QCOMPARE(Texts(*m.dialog->eventList()), QStringList({"A   Dn", "A   Up"}));
        QCOMPARE(m.dialog->eventList()->currentRow(), 1);
        m.click(m.dialog->recordButton());
        QVERIFY(!m.dialog->recording());
        QVERIFY(!m.capturing());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Start Recording"));
        QCOMPARE(m.items("Macro_1"), (Lines{"A   Dn", "A   Up"}));
        QCOMPARE(m.get("Macro_1", "DelayTimeSelStatus"), "0");
    }

    void theSixtyFifthEventStopsTheRecording() {
        Manager m(kThreeMacros);
        m.clickAt(layout::macro::kRecordDelayBox);
        m.click(m.dialog->recordButton());
        for (int i = 0; i < 33; ++i) {
            m.tap(kKeysymA + i % 26);
        }
        QVERIFY(!m.dialog->recording());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Start Recording"));
        QCOMPARE(m.dialog->eventList()->count(), 64);
        QCOMPARE(m.items("Macro_1").size(), 64u);
    }

    void selectingAnotherMacroSavesTheRecordingToTheRecordedOne() {
        Manager m(kThreeMacros);
        m.click(m.dialog->recordButton());
        m.tap(kKeysymA);
        m.selectMacro(1);
        QVERIFY(!m.dialog->recording());
        QCOMPARE(m.dialog->recordButton()->text(), QStringLiteral("Start Recording"));
        QCOMPARE(m.items("Macro_1").size(), 3u);
        QCOMPARE(m.items("Macro_1").front(), "A   Dn");
        QCOMPARE(m.get("Macro_1", "MacroLoopTimes"), "3");
        QCOMPARE(m.items("Macro_2"), (Lines{"B   Dn", "B   Up"}));
        QCOMPARE(Texts(*m.dialog->eventList()), QStringList({"B   Dn", "B   Up"}));
    }

    void cancelAndCloseKeepWhatWasWritten_data() {
        QTest::addColumn<bool>("viaClose");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close button") << true;
    }

    void cancelAndCloseKeepWhatWasWritten() {
        QFETCH(bool, viaClose);
        Manager m(kThreeMacros);
        m.selectItem(0);
        choose(m, QStringLiteral("Delete"));
        m.clickAt(layout::macro::kRecordDelayBox);  // shown, not written until a full save
        m.click(viaClose ? m.dialog->closeButton() : m.dialog->cancelButton());
        QVERIFY(!m.dialog->isVisible());
        QCOMPARE(m.dialog->result(), int{QDialog::Rejected});
        QCOMPARE(m.items("Macro_1"), (Lines{"96 ms", "A   Up"}));
        QCOMPARE(m.get("Macro_1", "DelayTimeSelStatus"), "1");
    }

    void okStopsARecordingAndSaves() {
        Manager m(kThreeMacros);
        m.clickAt(layout::macro::kRecordDelayBox);
        m.click(m.dialog->recordButton());
        m.tap(kKeysymA);
        m.click(m.dialog->okButton());
        QVERIFY(!m.capturing());
        QCOMPARE(m.dialog->result(), int{QDialog::Accepted});
        QCOMPARE(m.items("Macro_1"), (Lines{"A   Dn", "A   Up"}));
    }

    void keysThatWouldCloseTheWindowAreSwallowed() {
        Manager m(kThreeMacros);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(m.dialog.get(), key);
        }
        QVERIFY(m.dialog->isVisible());
    }

    void aStoreThatCannotBeReadIsNeverReplaced() {
        Manager m;
        std::filesystem::create_directory(m.store);  // exists, and cannot be read as a file
        m.open("EN");
        m.click(m.dialog->newButton());
        QCOMPARE(m.dialog->macroList()->count(), 1);
        QVERIFY(m.message() != nullptr);
        QCOMPARE(m.message()->text(),
                 QString::fromUtf8(MacroManagerTextOf(MacroManagerText::CannotSave, Language::En)));
        m.message()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m.message() == nullptr);
        m.click(m.dialog->okButton());
        QVERIFY2(m.dialog->isVisible(), "the edits stay on screen");
        QVERIFY(m.message() != nullptr);
        QVERIFY(std::filesystem::is_directory(m.store));
    }

    void hostileFilesOpen_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("names");
        QTest::newRow("a huge count over two names")
            << QByteArray(
                   "[MacroName]\nMacroCount=2000000000\n0=a\n1=b\n[a]\nItemCount=99999999\n"
                   "Item0=A   Dn\n")
            << 2;
        QTest::newRow("a negative count") << QByteArray("[MacroName]\nMacroCount=-5\n0=a\n") << 0;
        QTest::newRow("a macro named after the list")
            << QByteArray("[MacroName]\nMacroCount=1\n0=MacroName\n") << 1;
        QTest::newRow("binary noise") << QByteArray("\xff\xfe\x00[\x00\x01=\n\n\x80\x81", 12) << 0;
        QTest::newRow("a very long name")
            << QByteArray("[MacroName]\nMacroCount=1\n0=") + QByteArray(5000, 'x') << 1;
    }

    void hostileFilesOpen() {
        QFETCH(QByteArray, content);
        QFETCH(int, names);
        Manager m(content.toStdString());
        QCOMPARE(m.dialog->macroList()->count(), names);
        m.click(m.dialog->newButton());
        m.click(m.dialog->okButton());
        QCOMPARE(m.dialog->macroList()->count(), names + 1);
    }

    void renamingGoesToTheFileOrKeepsTheOldName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter") << "Jump" << int{Ending::Enter} << "Jump";
        QTest::newRow("Escape") << "Jump" << int{Ending::Escape} << "Macro_1";
        QTest::newRow("focus loss") << "Jump" << int{Ending::FocusLoss} << "Jump";
        QTest::newRow("a click elsewhere") << "Jump" << int{Ending::ClickElsewhere} << "Jump";
        QTest::newRow("another macro's name") << "Macro_2" << int{Ending::Enter} << "Macro_1";
        QTest::newRow("a gun macro's name") << "GUN_1" << int{Ending::Enter} << "Macro_1";
        QTest::newRow("the name list's section") << "macroname" << int{Ending::Enter} << "Macro_1";
        QTest::newRow("empty") << "" << int{Ending::Enter} << "Macro_1";
    }

    void renamingGoesToTheFileOrKeepsTheOldName() {
        QFETCH(QString, typed);
        QFETCH(int, ending);
        QFETCH(QString, name);
        Manager m(kThreeMacros);
        QVERIFY(QTest::qWaitForWindowActive(m.dialog.get()));
        QListWidget* list = m.dialog->macroList();
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        CLBEditorWnd* editor = m.dialog->editor();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Macro_1"));
        QVERIFY2(m.hasSection("Macro_1"), "the macro keeps its section while it is renamed");
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        end(m, editor, static_cast<Ending>(ending));
        QVERIFY(m.dialog->editor() == nullptr);

        QCOMPARE(list->item(0)->text(), name);
        QCOMPARE(m.names(), (Lines{name.toStdString(), "Macro_2", "Macro_3"}));
        QCOMPARE(m.items(name.toStdString()), (Lines{"A   Dn", "96 ms", "A   Up"}));
        QCOMPARE(m.get(name.toStdString(), "MacroLoopTimes"), "3");
        QCOMPARE(m.get(name.toStdString(), "DelayTimeSelStatus"), "1");
        QCOMPARE(m.hasSection("Macro_1"), name == QStringLiteral("Macro_1"));
        QCOMPARE(m.items("Macro_2"), (Lines{"B   Dn", "B   Up"}));
    }

    void aDelayIsEditedInPlaceByASecondClick_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("item");
        QTest::newRow("a new value") << "120" << int{Ending::Enter} << "120 ms";
        QTest::newRow("above the largest") << "70000" << int{Ending::Enter} << "65535 ms";
        QTest::newRow("cleared") << "" << int{Ending::Enter} << "0 ms";
        QTest::newRow("letters are not taken") << "4a2" << int{Ending::Enter} << "42 ms";
        QTest::newRow("Escape") << "120" << int{Ending::Escape} << "96 ms";
        QTest::newRow("a click elsewhere") << "7" << int{Ending::ClickElsewhere} << "7 ms";
    }

    void aDelayIsEditedInPlaceByASecondClick() {
        QFETCH(QString, typed);
        QFETCH(int, ending);
        QFETCH(QString, item);
        Manager m(kThreeMacros);
        QVERIFY(QTest::qWaitForWindowActive(m.dialog.get()));
        m.selectItem(0);
        m.selectItem(0);
        QVERIFY2(m.dialog->editor() == nullptr, "only delays are edited");
        m.selectItem(1);
        QVERIFY2(m.dialog->editor() == nullptr, "the first click only selects");
        m.selectItem(1);
        CLBEditorWnd* editor = m.dialog->editor();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("96 ms"));
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        end(m, editor, static_cast<Ending>(ending));

        const QStringList items{"A   Dn", item, "A   Up"};
        QCOMPARE(Texts(*m.dialog->eventList()), items);
        QCOMPARE(Q(m.items("Macro_1")), items);
        QCOMPARE(m.get("Macro_1", "MacroLoopTimes"), "3");
    }

    void aLoopCountChangedBeforeAnEditStaysChanged() {
        Manager m(kThreeMacros);
        QVERIFY(QTest::qWaitForWindowActive(m.dialog.get()));
        m.dialog->loopField()->selectAll();
        QTest::keyClicks(m.dialog->loopField(), "9");
        m.selectItem(1);
        m.selectItem(1);
        QVERIFY(m.dialog->editor() != nullptr);
        end(m, m.dialog->editor(), Ending::Enter);
        QCOMPARE(m.get("Macro_1", "MacroLoopTimes"), "9");
    }

    // Pictures for people to look at: the manager recording, in each language.
    void screenshotsWhileRecording_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("label");
        QTest::newRow("English") << "EN"
                                 << "Stop Recording";
        QTest::newRow("German") << "DE"
                                << "Aufzeichnung beenden";
        QTest::newRow("simplified Chinese") << "CHS"
                                            << "停止录制";
        QTest::newRow("traditional Chinese") << "CHT"
                                             << "停止紀錄";
    }

    void screenshotsWhileRecording() {
        QFETCH(QString, language);
        QFETCH(QString, label);
        Manager m(kThreeMacros, language.toLatin1().constData());
        m.click(m.dialog->recordButton());
        for (int i = 0; i < 12; ++i) {
            m.tap(kKeysymA + i);
        }
        QCOMPARE(m.dialog->recordButton()->text(), label);
        QVERIFY(test::saveScreenshot(m.dialog->grab().toImage(),
                                     "macro-manager-recording-" + language + ".png"));
    }

    void screenshotsOfTheInPlaceEditor_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "EN";
        QTest::newRow("German") << "DE";
    }

    // Also closes the window with the editor still open.
    void screenshotsOfTheInPlaceEditor() {
        QFETCH(QString, language);
        Manager m(kThreeMacros, language.toLatin1().constData());
        QVERIFY(QTest::qWaitForWindowActive(m.dialog.get()));
        m.selectItem(1);
        m.selectItem(1);
        QVERIFY(m.dialog->editor() != nullptr);
        QTest::keyClicks(m.dialog->editor(), "250");
        QVERIFY(test::saveScreenshot(m.dialog->grab().toImage(),
                                     "macro-manager-delay-editor-" + language + ".png"));
    }

  private:
    enum Ending { Enter, Escape, FocusLoss, ClickElsewhere };

    static void end(Manager& m, CLBEditorWnd* editor, Ending ending) {
        switch (ending) {
            case Enter:
                QTest::keyClick(editor, Qt::Key_Return);
                break;
            case Escape:
                QTest::keyClick(editor, Qt::Key_Escape);
                break;
            case FocusLoss:
                m.dialog->loopField()->setFocus(Qt::OtherFocusReason);
                break;
            case ClickElsewhere:
                QTest::mouseClick(m.dialog.get(), Qt::LeftButton, {}, QPoint(250, 30));
                break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the event list's menu on the selected item with the right button and chooses an
    // entry with the left one.
    static void choose(Manager& m, const QString& entry) {
        QVERIFY(test::ChooseFromEventMenu(
            *m.dialog->eventList(), [&m] { return m.dialog->eventMenu(); }, entry));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CMacroProgramDialogTest)
#include "CMacroProgramDialogTest.moc"
