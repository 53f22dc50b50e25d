// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/WindowAssignmentDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <map>
#include <memory>

#include "core/assign/FunctionCatalogue.h"
#include "core/store/BlockDefaults.h"
#include "gui/assign/ButtonAssignmentMenu.h"
#include "gui/assign/CDlgGunMacroSelector.h"
#include "gui/assign/CMacroDialog.h"
#include "gui/assign/MacroSelectorLayout.h"
#include "gui/assign/MouseView.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

constexpr const char* kStore =
    "[MacroName]\r\nMacroCount=2\r\n0=Reload\r\n1=Jump\r\n"
    "[GunMacroName]\r\nMacroCount=5\r\n0=Snipe\r\n1=AKM\r\n2=Standard Gun\r\n3=Burst\r\n"
    "4=Huge\r\n"
    "[Reload]\r\nMacroLoopTimes=1\r\nItemCount=3\r\nItem0=R Dn\r\nItem1=20 ms\r\nItem2=R Up\r\n"
    "[Jump]\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=Space Dn\r\n"
    "[Burst]\r\nItemCount=10\r\n"
    "[Huge]\r\nItemCount=247\r\n";

// Every file of a folder with its bytes.
std::map<std::filesystem::path, std::vector<std::uint8_t>> FolderBytes(
    const std::filesystem::path& folder) {
    std::map<std::filesystem::path, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename()] = test::ReadBytes(entry.path());
    }
    return files;
}

void Click(QWidget& widget, const QRect& rect) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, rect.center());
}

// Chooses the list's entry `row`, then play mode `mode` (when given), then OK.
void Choose(MacroSelectorDialog& dialog, int row, std::optional<int> mode) {
    Click(dialog, layout::kSelectorDropDown);
    QListWidget* list = dialog.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    if (mode) {
        Click(dialog, layout::kSelectorModeBoxes[static_cast<std::size_t>(*mode)]);
    }
    Click(dialog, layout::kSelectorOk);
}

// The main window's mouse view and assignment menu over a folder with the base files and a
// macro store, every button on Click, no slot and no gun switch in use.
struct Fixture {
    explicit Fixture(const std::string& language) {
        test::CopyBaseFiles(GX508_PROGRAM_DIR, folder.path());
        test::WriteText(folder / "record.ini", kStore);
        state->languageCode = language;
        state->texts = LanguageTable::For(language);
        StartupReset(*state);
        for (int b = 0; b < kLabelCount; ++b) {
            state->labels[static_cast<std::size_t>(b)] = "label " + std::to_string(b);
        }
        view = std::make_unique<MouseView>(window, skin, state->texts, QStringLiteral("Arial"));
        dialogs = std::make_unique<WindowAssignmentDialogs>(window, state->texts, skin,
                                                            state->paths.macroStore);
        menu = std::make_unique<ButtonAssignmentMenu>(
            *state, *view, *dialogs, mappedFont(QStringLiteral("Arial"), 13), window);
        view->setLabelTexts(state->labels);
        view->setListExpanded(true);
        window.resize(1000, 642);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        files = FolderBytes(folder.path());
    }

    // Chooses an item of button `button`'s menu, through the submenus on the way.
    void choose(int button, const QStringList& path) {
        QTest::mouseClick(view->label(button), Qt::LeftButton);
        CExMenu* from = menu->openMenu();
        QVERIFY(from != nullptr && QTest::qWaitForWindowExposed(from));
        for (qsizetype k = 0; k + 1 < path.size(); ++k) {
            from = test::openSubmenu(from, path[k]);
            QVERIFY(from != nullptr);
        }
        QAction* item = test::menuAction(from, path.last());
        QVERIFY(item != nullptr);
        test::clickMenuItem(from, item);
    }
    void chooseMacro(int button) { choose(button, {qText(state->texts[Text::Macro])}); }
    void chooseGunAssign(int button, int k) {
        choose(button,
               {qText(state->texts[Text::GunManagementPlus]),
                qText(UnassignedGunName(state->texts, k)), qText(state->texts[Text::Assign])});
    }
    std::uint8_t field(ButtonField f, int button) const { return state->block.button(f, button); }
    std::uint8_t slot(SlotField f, int s) const { return state->block.slot(f, s); }
    QString label(int button) const { return view->label(button)->text(); }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>(folder.path(), log);
    QWidget window;
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    std::unique_ptr<MouseView> view;
    std::unique_ptr<WindowAssignmentDialogs> dialogs;
    std::unique_ptr<ButtonAssignmentMenu> menu;
    std::map<std::filesystem::path, std::vector<std::uint8_t>> files;
};

}  // namespace

class WindowAssignmentDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void aChosenMacroTakesAFreeSlotWithItsPlayMode_data();
    void aChosenMacroTakesAFreeSlotWithItsPlayMode();
    void aChosenGunMacroBindsTheGunSwitch();
    void cancelOrNoChoiceChangesNothing_data();
    void cancelOrNoChoiceChangesNothing();
    void refusalsShowTheirMessageOverTheWindowAndChangeNothing_data();
    void refusalsShowTheirMessageOverTheWindowAndChangeNothing();
    void withoutALanguageTheBoxKeepsThePlatformsOk();
};

void WindowAssignmentDialogsTest::aChosenMacroTakesAFreeSlotWithItsPlayMode_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("mode");  // -1: left as it opened
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("label");
    QTest::newRow("mode as opened") << "EN" << 0 << -1 << 0 << "Macro:Reload";
    QTest::newRow("mode 1") << "EN" << 0 << 1 << 1 << "Macro:Reload";
    QTest::newRow("mode 2, Chinese") << "CHS" << 0 << 2 << 2 << QString::fromUtf8("宏:Reload");
    QTest::newRow("one item plays once") << "EN" << 1 << 2 << 0 << "Macro:Jump";
}

void WindowAssignmentDialogsTest::aChosenMacroTakesAFreeSlotWithItsPlayMode() {
    QFETCH(QString, language);
    QFETCH(int, row);
    QFETCH(int, mode);
    QFETCH(int, stored);
    QFETCH(QString, label);
    Fixture f(language.toStdString());
    // Slot 0 is taken by button 2.
    f.state->block.setSlot(SlotField::InUse, 0, 1);
    f.state->block.setSlot(SlotField::Owner, 0, 2);
    SettingsBlock expected = f.state->block;
    expected.setSlot(SlotField::InUse, 1, 1);
    expected.setSlot(SlotField::MacroNumber, 1, static_cast<std::uint8_t>(row));
    expected.setSlot(SlotField::Kind, 1, 0);
    expected.setSlot(SlotField::Owner, 1, 4);
    expected.setButton(ButtonField::MacroSlot, 4, 1);
    expected.setButton(ButtonField::MacroRunMode, 4, static_cast<std::uint8_t>(stored));
    expected.setButton(ButtonField::Category, 4, static_cast<std::uint8_t>(Category::Macro));

    QSignalSpy assigned(f.menu.get(), &ButtonAssignmentMenu::assigned);
    bool modal = false;
    test::onNextModal<CMacroDialog>([&](CMacroDialog& d) {
        modal = d.isModal() && d.parentWidget() == &f.window;
        Choose(d, row, mode < 0 ? std::nullopt : std::optional<int>(mode));
    });
    f.chooseMacro(4);
    QTRY_COMPARE(assigned.size(), 1);
    QVERIFY(modal);
    QVERIFY(f.state->block == expected);
    QCOMPARE(f.label(4), label);
    QCOMPARE(qText(f.state->labels[4]), label);
    QVERIFY(FolderBytes(f.folder.path()) == f.files);
}

void WindowAssignmentDialogsTest::aChosenGunMacroBindsTheGunSwitch() {
    Fixture f("EN");
    f.state->block.setGunParam(1, 2, 30);
    QSignalSpy assigned(f.menu.get(), &ButtonAssignmentMenu::assigned);
    test::onNextModal<CDlgGunMacroSelector>([](CDlgGunMacroSelector& d) { Choose(d, 3, 1); });
    f.chooseGunAssign(8, 1);
    QTRY_COMPARE(assigned.size(), 1);

    const SettingsBlock& b = f.state->block;
    QCOMPARE(f.field(ButtonField::Category, 8), std::uint8_t{19});
    QVERIFY(b.gunAssigned(1));
    QCOMPARE(b.gunButton(1), 8);
    QCOMPARE(b.gunParam(1, 2), 0);
    QCOMPARE(b.byte(block::kGunRunMode + 1), std::uint8_t{1});
    QCOMPARE(f.slot(SlotField::MacroNumber, 7), std::uint8_t{3});
    QCOMPARE(f.slot(SlotField::Kind, 7), std::uint8_t{1});
    QCOMPARE(f.slot(SlotField::InUse, 7), std::uint8_t{1});
    QCOMPARE(f.slot(SlotField::Owner, 7), std::uint8_t{8});
    QCOMPARE(b.slotLength(7), 10);
    QCOMPARE(b.byte(block::kGunItemTotal), std::uint8_t{10});
    QCOMPARE(f.state->gunNames[1], std::string("Burst"));
    QCOMPARE(f.label(8), QStringLiteral("Burst"));

    // A built-in gun macro takes its own size, and the mode the selector opened with.
    test::onNextModal<CDlgGunMacroSelector>([](CDlgGunMacroSelector& d) { Choose(d, 0, {}); });
    f.chooseGunAssign(3, 0);
    QTRY_COMPARE(assigned.size(), 2);
    QCOMPARE(b.slotLength(6), 252);
    QCOMPARE(b.byte(block::kGunRunMode), std::uint8_t{2});
    QCOMPARE(b.byte(block::kGunItemTotal), std::uint8_t{(10 + 252) % 256});
    QCOMPARE(f.label(3), QStringLiteral("Snipe"));
    QVERIFY(FolderBytes(f.folder.path()) == f.files);
}

void WindowAssignmentDialogsTest::cancelOrNoChoiceChangesNothing_data() {
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QRect>("button");
    QTest::newRow("macro Cancel") << false << layout::kSelectorCancel;
    QTest::newRow("macro close") << false << layout::kSelectorClose;
    QTest::newRow("macro OK without a choice") << false << layout::kSelectorOk;
    QTest::newRow("gun Cancel") << true << layout::kSelectorCancel;
    QTest::newRow("gun OK without a choice") << true << layout::kSelectorOk;
}

void WindowAssignmentDialogsTest::cancelOrNoChoiceChangesNothing() {
    QFETCH(bool, gun);
    QFETCH(QRect, button);
    Fixture f("EN");
    const SettingsBlock before = f.state->block;
    const auto labels = f.state->labels;
    bool shown = false;
    const auto act = [&](MacroSelectorDialog& d) {
        shown = true;
        Click(d, layout::kSelectorModeBoxes[1]);
        Click(d, layout::kSelectorDropDown);
        Click(d, button);
    };
    if (gun) {
        test::onNextModal<CDlgGunMacroSelector>(act);
        f.chooseGunAssign(5, 2);
    } else {
        test::onNextModal<CMacroDialog>(act);
        f.chooseMacro(5);
    }
    QTRY_VERIFY(shown);
    QTRY_VERIFY(f.menu->openMenu() == nullptr);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(f.state->block == before);
    QCOMPARE(f.state->labels, labels);
    QCOMPARE(f.label(5), QStringLiteral("label 5"));
    QVERIFY(FolderBytes(f.folder.path()) == f.files);
}

void WindowAssignmentDialogsTest::refusalsShowTheirMessageOverTheWindowAndChangeNothing_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("ok");
    QTest::newRow("macro slots, English") << "EN" << false << "超出限制(Max. Macro)"
                                          << "ATTENTION!!"
                                          << "OK";
    QTest::newRow("macro slots, Chinese")
        << "CHS" << false << "超出限制(Max. Macro)" << QString::fromUtf8("注意!")
        << QString::fromUtf8("确定");
    QTest::newRow("gun budget, German") << "DE" << true << "超出限制"
                                        << "ACHTUNG!!"
                                        << "OK";
    QTest::newRow("gun budget, traditional Chinese")
        << "CHT" << true << "超出限制" << QString::fromUtf8("警告!!") << QString::fromUtf8("確定");
}

void WindowAssignmentDialogsTest::refusalsShowTheirMessageOverTheWindowAndChangeNothing() {
    QFETCH(QString, language);
    QFETCH(bool, gun);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(QString, ok);
    Fixture f(language.toStdString());
    SettingsBlock& b = f.state->block;
    // Slots 0..4 belong to buttons 0..4, and gun macros hold 174 items.
    for (int s = 0; s < 5; ++s) {
        b.setSlot(SlotField::InUse, s, 1);
        b.setSlot(SlotField::Owner, s, static_cast<std::uint8_t>(s));
        b.setButton(ButtonField::Category, s, static_cast<std::uint8_t>(Category::Macro));
        b.setButton(ButtonField::MacroSlot, s, static_cast<std::uint8_t>(s));
    }
    b.setByte(block::kGunItemTotal, 174);
    const SettingsBlock before = b;
    const auto labels = f.state->labels;

    QString shown;
    // The gun macro "Huge" takes 247 items: 174 + 247 is past the budget.
    test::onNextModal<MacroSelectorDialog>(
        [gun](MacroSelectorDialog& d) { Choose(d, gun ? 4 : 0, 1); });
    test::onNextModal<QMessageBox>([&](QMessageBox& box) {
        shown = box.windowTitle() + QLatin1Char('|') + box.text();
        QCOMPARE(box.parentWidget(), &f.window);
        QVERIFY(box.isModal());
        QCOMPARE(box.buttons().size(), 1);
        QCOMPARE(box.buttons().first()->text(), ok);
        box.buttons().first()->click();
    });
    // Button 2 holds slot 2: a refused gun macro leaves it there.
    if (gun) {
        f.chooseGunAssign(2, 1);
    } else {
        f.chooseMacro(7);
    }
    QTRY_COMPARE(shown, caption + QLatin1Char('|') + message);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(b == before);
    QCOMPARE(f.state->labels, labels);
    QCOMPARE(f.label(gun ? 2 : 7), QStringLiteral("label %1").arg(gun ? 2 : 7));
    QVERIFY(FolderBytes(f.folder.path()) == f.files);
}

void WindowAssignmentDialogsTest::withoutALanguageTheBoxKeepsThePlatformsOk() {
    QWidget window;
    const LanguageTable none = LanguageTable::For("FR");
    const Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    WindowAssignmentDialogs dialogs(window, none, skin, "record.ini");
    QStringList buttons;
    test::onNextModal<QMessageBox>([&buttons](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            buttons << button->text().remove(QLatin1Char('&'));
        }
        box.buttons().first()->click();
    });
    dialogs.showMessage("超出限制", "");
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
}

}  // namespace gx508

QTEST_MAIN(gx508::WindowAssignmentDialogsTest)
#include "WindowAssignmentDialogsTest.moc"
