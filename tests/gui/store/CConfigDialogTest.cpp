// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/store/CConfigDialog.h"

#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <memory>

#include "core/LogSink.h"
#include "core/store/ProfileOperations.h"
#include "core/store/SettingsFiles.h"
#include "gui/store/ConfigDialogLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/Skin.h"
#include "support/TempFolder.h"

namespace gx508 {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteText;

namespace {

std::vector<std::uint8_t> settingsFile(std::uint8_t firstRunFlag, const SettingsBlock& block) {
    std::vector<std::uint8_t> bytes(kSettingsFileSize);
    bytes[0] = firstRunFlag;
    std::copy(block.bytes().begin(), block.bytes().end(), bytes.begin() + 1);
    return bytes;
}

// The manager over a fresh copy of the base files, its file dialogs answered by the test.
struct Manager {
    explicit Manager(const std::string& language = "EN") {
        test::CopyBaseFiles(GX508_PROGRAM_DIR, folder.path());
        StartupLoad(state);
        state.languageCode = language;
        state.texts = LanguageTable::For(language);
    }

    void open() {
        dialog = std::make_unique<CConfigDialog>(
            state, skin, nullptr,
            [this](QWidget*, const QString& caption, const QString&, const QString& filter) {
                asked << caption + QStringLiteral(" | ") + filter;
                return openAnswer;
            },
            [this](QWidget*, const QString& caption, const QString&, const QString& filter) {
                asked << caption + QStringLiteral(" | ") + filter;
                return saveAnswer;
            });
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

    QStringList names() const {
        QStringList shown;
        for (int row = 0; row < dialog->list()->count(); ++row) {
            shown << dialog->list()->item(row)->text();
        }
        return shown;
    }

    int selectedRow() const {
        const QList<QListWidgetItem*> items = dialog->list()->selectedItems();
        return items.isEmpty() ? -1 : dialog->list()->row(items.front());
    }

    std::vector<std::string> storedNames() const {
        const Result<ProfileList> list = ReadProfileList(state);
        return list ? list->names() : std::vector<std::string>();
    }

    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        QListWidget* list = dialog->list();
        QTest::mouseClick(list->viewport(), button, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void click(CBitmapBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QMessageBox* box(const char* name) const {
        QMessageBox* found = dialog->findChild<QMessageBox*>(QString::fromLatin1(name));
        return found != nullptr && found->isVisible() ? found : nullptr;
    }

    std::vector<std::uint8_t> fileBytes(const std::string& name) const {
        return ReadBytes(folder / name);
    }

    // What a settings file of the block in memory holds.
    std::vector<std::uint8_t> blockFile() const { return settingsFile(1, state.block); }

    test::TempFolder folder;
    RecordingLog log;
    SharedState state{folder.path(), log};
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    QString openAnswer;
    QString saveAnswer;
    QStringList asked;
    std::unique_ptr<CConfigDialog> dialog;
};

QString profileSection(int count) {
    QString text = QStringLiteral("[Profile]\nCurProfileName=Standard\nItemCount=%1\n").arg(count);
    const QStringList names{"Standard",  "Gaming",    "Profile 1", "Profile 2",
                            "Profile 3", "Profile 4", "Profile 5"};
    for (int k = 0; k < std::min<int>(count, static_cast<int>(names.size())); ++k) {
        text += QStringLiteral("Item%1=%2\n").arg(k).arg(names[k]);
    }
    return text + QStringLiteral("[Skins]\nLan=EN\n");
}

}  // namespace

class CConfigDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheNamesOfStrIni_data();
    void opensWithTheNamesOfStrIni();
    void newNumbersProfilesUntilTheListIsFull();
    void theSecondClickOnANameRenamesIt_data();
    void theSecondClickOnANameRenamesIt();
    void renamingTakesTheEditorsName_data();
    void renamingTakesTheEditorsName();
    void theMenuOpensAtTheListAndActsOnTheSelection_data();
    void theMenuOpensAtTheListAndActsOnTheSelection();
    void importReadsAGoodPairAndRefusesAnyOther_data();
    void importReadsAGoodPairAndRefusesAnyOther();
    void exportWritesThePair_data();
    void exportWritesThePair();
    void closingChoosesTheSelectedProfile_data();
    void closingChoosesTheSelectedProfile();
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();
};

void CConfigDialogTest::opensWithTheNamesOfStrIni_data() {
    QTest::addColumn<int>("count");  // -1: no str.ini
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("no str.ini") << -1 << 0 << QStringList();
    QTest::newRow("a count of 0") << 0 << 0 << QStringList();
    QStringList names;
    for (const char* name :
         {"Standard", "Gaming", "Profile 1", "Profile 2", "Profile 3", "Profile 4"}) {
        names << QString::fromLatin1(name);
        QTest::addRow("%d profiles", static_cast<int>(names.size()))
            << static_cast<int>(names.size()) << static_cast<int>(names.size()) - 1 << names;
    }
    QTest::newRow("a count of 7") << 7 << 0 << QStringList();
}

void CConfigDialogTest::opensWithTheNamesOfStrIni() {
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(QStringList, names);
    Manager manager;
    if (count < 0) {
        fs::remove(manager.folder / "str.ini");
    } else {
        WriteText(manager.folder / "str.ini", profileSection(count).toStdString());
    }
    const std::vector<std::uint8_t> before = manager.fileBytes("str.ini");
    manager.state.currentProfile = current;
    manager.open();

    QCOMPARE(manager.names(), names);
    QCOMPARE(manager.selectedRow(), names.isEmpty() ? -1 : current);
    // Opening and closing an unchanged list writes nothing.
    QSignalSpy finished(manager.dialog.get(), &CConfigDialog::finished);
    if (names.isEmpty()) {
        manager.click(manager.dialog->closeButton());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
    }
    QCOMPARE(manager.fileBytes("str.ini"), before);
}

void CConfigDialogTest::newNumbersProfilesUntilTheListIsFull() {
    Manager manager;
    manager.open();
    QStringList expected{"Standard", "Gaming"};
    for (int k = 1; k <= 4; ++k) {
        manager.click(manager.dialog->newButton());
        expected << QStringLiteral("Profile %1").arg(k);
        QCOMPARE(manager.names(), expected);
        QCOMPARE(manager.selectedRow(), k + 1);
        // A new profile starts as a copy of the settings in memory.
        QCOMPARE(manager.fileBytes("config" + std::to_string(k + 1) + ".bin"), manager.blockFile());
    }
    QVERIFY(manager.box("profileLimit") == nullptr);
    const std::vector<std::uint8_t> list = manager.fileBytes("str.ini");

    manager.click(manager.dialog->newButton());
    QMessageBox* limit = manager.box("profileLimit");
    QVERIFY(limit != nullptr);
    QCOMPARE(limit->windowTitle(), QStringLiteral("ATTENTION!"));
    QCOMPARE(limit->text(), QStringLiteral("Up to 6 Profiles Possible."));
    limit->close();
    // Copy on a full list does nothing either.
    manager.dialog->copyProfile();
    QCOMPARE(manager.names(), expected);
    QCOMPARE(manager.fileBytes("str.ini"), list);
    QVERIFY(!fs::exists(manager.folder / "config6.bin"));
}

void CConfigDialogTest::theSecondClickOnANameRenamesIt_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("renames");
    QTest::newRow("the standard profile") << 0 << false;
    QTest::newRow("the gaming profile") << 1 << false;
    QTest::newRow("a profile of the user") << 2 << true;
}

void CConfigDialogTest::theSecondClickOnANameRenamesIt() {
    QFETCH(int, row);
    QFETCH(bool, renames);
    Manager manager;
    QVERIFY(NewProfile(manager.state, std::string("Work")));
    manager.open();
    // The current profile is the one clicked last when the manager opens: the first click on
    // another name only selects it.
    manager.clickRow(row == 0 ? 1 : 0);
    QVERIFY(manager.dialog->editor() == nullptr);
    manager.clickRow(row);
    QCOMPARE(manager.selectedRow(), row);
    QVERIFY(manager.dialog->editor() == nullptr);

    manager.clickRow(row);
    QCOMPARE(manager.dialog->editor() != nullptr, renames);
    if (!renames) {
        return;
    }
    CLBEditorWnd* editor = manager.dialog->editor();
    QCOMPARE(editor->mode(), CLBEditorWnd::Mode::Name);
    QCOMPARE(editor->selectedText(), QStringLiteral("Work"));
    QTest::keyClicks(editor, QStringLiteral("Play"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(manager.names(), (QStringList{"Standard", "Gaming", "Play"}));
    QCOMPARE(manager.storedNames(), (std::vector<std::string>{"Standard", "Gaming", "Play"}));
    QCOMPARE(manager.selectedRow(), 2);
}

void CConfigDialogTest::renamingTakesTheEditorsName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("warned");
    QTest::newRow("a new name") << "Play"
                                << "Play" << false;
    QTest::newRow("another profile's name") << "Standard"
                                            << "Work" << false;
    QTest::newRow("no name") << ""
                             << "Work" << true;
    QTest::newRow("a name the ini would not keep") << " Play"
                                                   << "Work" << true;
}

void CConfigDialogTest::renamingTakesTheEditorsName() {
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, warned);
    Manager manager;
    QVERIFY(NewProfile(manager.state, std::string("Work")));
    manager.open();
    manager.dialog->list()->setCurrentRow(2);
    manager.dialog->editProfile();
    CLBEditorWnd* editor = manager.dialog->editor();
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);

    QCOMPARE(manager.names().at(2), name);
    QCOMPARE(manager.storedNames().at(2), name.toStdString());
    QCOMPARE(manager.box("profileWarning") != nullptr, warned);
}

void CConfigDialogTest::theMenuOpensAtTheListAndActsOnTheSelection_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<CConfigDialog::Command>("command");
    QTest::addColumn<QStringList>("names");
    const QString standard = QStringLiteral("Standard");
    const QString gaming = QStringLiteral("Gaming");
    const QString work = QStringLiteral("Work");
    const QString play = QStringLiteral("Play");
    QTest::newRow("Delete on the standard profile")
        << 0 << CConfigDialog::Command::Delete << QStringList{standard, gaming, work, play};
    QTest::newRow("Delete on the gaming profile")
        << 1 << CConfigDialog::Command::Delete << QStringList{standard, gaming, work, play};
    QTest::newRow("Delete on a profile of the user")
        << 2 << CConfigDialog::Command::Delete << QStringList{standard, gaming, play};
    QTest::newRow("Copy") << 3 << CConfigDialog::Command::Copy
                          << QStringList{standard, gaming, work, play, "Copy Play"};
}

void CConfigDialogTest::theMenuOpensAtTheListAndActsOnTheSelection() {
    QFETCH(int, row);
    QFETCH(CConfigDialog::Command, command);
    QFETCH(QStringList, names);
    Manager manager;
    QVERIFY(NewProfile(manager.state, std::string("Work")));
    QVERIFY(NewProfile(manager.state, std::string("Play")));
    const std::vector<std::uint8_t> playFile = manager.fileBytes("config3.bin");
    manager.open();
    manager.dialog->list()->setCurrentRow(row);

    // A right-button press over another name opens the menu there and keeps the selection.
    const int other = row == 0 ? 1 : 0;
    const QRect area = manager.dialog->list()->visualItemRect(manager.dialog->list()->item(other));
    QTest::mousePress(manager.dialog->list()->viewport(), Qt::RightButton, {}, area.center());
    CExMenu* menu = manager.dialog->menu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), manager.dialog->list()->viewport()->mapToGlobal(area.center()));
    QCOMPARE(manager.selectedRow(), row);
    QAction* item = menu->actions().at(static_cast<int>(command) - 1);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());

    QCOMPARE(manager.names(), names);
    QCOMPARE(manager.storedNames().size(), static_cast<std::size_t>(names.size()));
    if (command == CConfigDialog::Command::Delete && row == 2) {
        // The profile after the deleted one takes its place with its files.
        QCOMPARE(manager.fileBytes("config2.bin"), playFile);
        QVERIFY(!fs::exists(manager.folder / "config3.bin"));
        QCOMPARE(manager.selectedRow(), 2);
    }
    if (command == CConfigDialog::Command::Copy) {
        QCOMPARE(manager.fileBytes("config4.bin"), playFile);
        QCOMPARE(manager.selectedRow(), 4);
    }
}

void CConfigDialogTest::importReadsAGoodPairAndRefusesAnyOther_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withIni");
    QTest::addColumn<bool>("imported");
    QTest::newRow("a settings file and its ini") << 65401 << true << true;
    QTest::newRow("a settings file one byte short") << 65400 << true << false;
    QTest::newRow("a settings file one byte long") << 65402 << true << false;
    QTest::newRow("a settings file without its ini") << 65401 << false << false;
}

void CConfigDialogTest::importReadsAGoodPairAndRefusesAnyOther() {
    QFETCH(int, size);
    QFETCH(bool, withIni);
    QFETCH(bool, imported);
    Manager manager;
    // The pair: the settings in memory with a report rate of 125 Hz, and labels of its own.
    SettingsBlock source = manager.state.block;
    source.setByte(block::kReportRate, 8);
    std::vector<std::uint8_t> bytes = settingsFile(0, source);
    bytes.resize(static_cast<std::size_t>(size));
    WriteBytes(manager.folder / "pair.bin", bytes);
    if (withIni) {
        const std::vector<std::uint8_t> base = manager.fileBytes("str0.ini");
        std::string ini(base.begin(), base.end());
        const std::size_t label = ini.find("Item1=", ini.find("[Setting-EN]"));
        ini.replace(label, ini.find('\n', label) - label, "Item1=Imported");
        WriteText(manager.folder / "pair.ini", ini);
    }
    const SettingsBlock before = manager.state.block;
    const std::vector<std::uint8_t> gamingFile = manager.fileBytes("config1.bin");
    manager.openAnswer = QString::fromStdString((manager.folder / "pair.bin").string());
    manager.open();
    QSignalSpy replaced(manager.dialog.get(), &CConfigDialog::settingsReplaced);
    QSignalSpy finished(manager.dialog.get(), &CConfigDialog::finished);

    manager.dialog->importProfile();
    QCOMPARE(manager.asked, QStringList{"Load | Gaming Mouse Profile(*.bin)"});
    QCOMPARE(replaced.count(), imported ? 1 : 0);
    QCOMPARE(manager.box("profileWarning") != nullptr, !imported);
    QCOMPARE(manager.state.block.bytes() == source.bytes(), imported);
    QCOMPARE(manager.state.block.bytes() == before.bytes(), !imported);

    // Closing with the gaming profile selected saves the imported settings as its own, without
    // reading its file first; without an import it loads that file.
    manager.dialog->list()->setCurrentRow(1);
    manager.click(manager.dialog->closeButton());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(manager.state.currentProfile, 1);
    if (imported) {
        bytes[0] = 1;
        QCOMPARE(manager.fileBytes("config1.bin"), bytes);
        QCOMPARE(manager.state.labels[0], std::string("Imported"));
    } else {
        QCOMPARE(manager.fileBytes("config1.bin"), gamingFile);
        QCOMPARE(manager.blockFile(), gamingFile);
    }
}

void CConfigDialogTest::exportWritesThePair_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("existing");
    QTest::newRow("a new file") << "out.bin" << false;
    QTest::newRow("a new file named without .bin") << "out" << false;
    QTest::newRow("over an existing pair") << "out.bin" << true;
}

void CConfigDialogTest::exportWritesThePair() {
    QFETCH(QString, answer);
    QFETCH(bool, existing);
    Manager manager;
    if (existing) {
        WriteText(manager.folder / "out.bin", "an older export");
        WriteText(manager.folder / "out.ini", "[Skins]\nLan=DE\n");
    }
    manager.state.block.setByte(block::kReportRate, 2);
    manager.saveAnswer = QString::fromStdString((manager.folder / answer.toStdString()).string());
    manager.open();
    manager.dialog->list()->setCurrentRow(0);
    const auto filesBefore = std::distance(fs::directory_iterator(manager.folder.path()), {});

    manager.dialog->exportProfile();
    QCOMPARE(manager.asked, QStringList{"Save | Gaming Mouse Profile(*.bin)"});
    QVERIFY(manager.box("profileWarning") == nullptr);
    // The settings in memory, the unsaved report rate included, and the labels beside them.
    QCOMPARE(manager.fileBytes("out.bin"), manager.blockFile());
    SharedState reader(manager.folder.path(), manager.log);
    reader.texts = LanguageTable::For("EN");
    ReadSettingsIni(reader, manager.folder / "out.ini");
    QCOMPARE(reader.labels, manager.state.labels);
    // Written whole: nothing but the pair is left beside the files.
    const auto filesAfter = std::distance(fs::directory_iterator(manager.folder.path()), {});
    QCOMPARE(filesAfter, filesBefore + (existing ? 0 : 2));
}

void CConfigDialogTest::closingChoosesTheSelectedProfile_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("clickBelow");  // a click below the names before closing
    QTest::addColumn<bool>("loaded");
    QTest::newRow("the current profile again") << 0 << false << false;
    QTest::newRow("another profile") << 1 << false << true;
    QTest::newRow("another profile, then a click below the names") << 1 << true << true;
    QTest::newRow("nothing selected") << -1 << false << false;
}

void CConfigDialogTest::closingChoosesTheSelectedProfile() {
    QFETCH(int, row);
    QFETCH(bool, clickBelow);
    QFETCH(bool, loaded);
    Manager manager;
    manager.state.block.setByte(block::kReportRate, 2);
    const std::vector<std::uint8_t> standardFile = manager.fileBytes("config0.bin");
    const std::vector<std::uint8_t> gamingFile = manager.fileBytes("config1.bin");
    const std::vector<std::uint8_t> list = manager.fileBytes("str.ini");
    manager.open();
    if (row < 0) {
        manager.dialog->list()->clearSelection();
    } else {
        manager.dialog->list()->setCurrentRow(row);
    }
    if (clickBelow) {
        QTest::mouseClick(manager.dialog->list()->viewport(), Qt::LeftButton, {}, QPoint(50, 300));
    }
    QSignalSpy finished(manager.dialog.get(), &CConfigDialog::finished);
    manager.click(manager.dialog->closeButton());

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), loaded);
    QCOMPARE(manager.state.currentProfile, std::max(row, 0));
    // The unsaved change stays in memory unless another profile was loaded over it.
    QCOMPARE(manager.state.block.byte(block::kReportRate), loaded ? gamingFile[1 + 12] : 2);
    QCOMPARE(manager.fileBytes("config0.bin"), standardFile);
    QCOMPARE(manager.fileBytes("config1.bin"), gamingFile);
    QCOMPARE(manager.fileBytes("str.ini") == list, !loaded);
    QCOMPARE(manager.storedNames(), (std::vector<std::string>{"Standard", "Gaming"}));
}

void CConfigDialogTest::textsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");  // title, New, Delete, then the menu
    QTest::newRow("EN") << "EN" << QStringList{"Configuration", "New",  "Delete", "Delete",
                                               "Edit",          "Copy", "Load",   "Save"};
    QTest::newRow("DE") << "DE" << QStringList{"Game Profil", "Neu",      "Löschen", "Löschen",
                                               "Bearbeiten",  "Kopieren", "Laden",   "Speichern"};
    QTest::newRow("CHS") << "CHS" << QStringList{"配置", "新建", "删除", "删除",
                                                 "编辑", "复制", "加载", "保存"};
    QTest::newRow("CHT") << "CHT" << QStringList{"配置", "新建", "刪除", "刪除",
                                                 "編輯", "複製", "載入", "儲存"};
}

void CConfigDialogTest::textsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    Manager manager(language.toStdString());
    manager.open();
    QStringList shown{manager.dialog->title(), manager.dialog->newButton()->text(),
                      manager.dialog->deleteButton()->text()};
    for (const QAction* action : manager.dialog->menu()->actions()) {
        shown << manager.dialog->menu()->itemText(action);
    }
    QCOMPARE(shown, texts);
    // The title fits its box.
    const QFontMetrics metrics(manager.dialog->list()->font());
    QVERIFY(metrics.horizontalAdvance(manager.dialog->title()) <= layout::kProfileTitle.width());
}

}  // namespace gx508

QTEST_MAIN(gx508::CConfigDialogTest)
#include "CConfigDialogTest.moc"
