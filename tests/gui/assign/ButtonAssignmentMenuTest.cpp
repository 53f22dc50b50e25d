// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/ButtonAssignmentMenu.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <X11/keysym.h>

#include <memory>

#include "core/assign/AssignmentMenu.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/store/BlockDefaults.h"
#include "gui/assign/CSingleDialog.h"
#include "gui/assign/MouseView.h"
#include "gui/assign/WindowAssignmentDialogs.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "support/KeyInput.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"

namespace gx508 {

namespace {

// A window with the mouse view and its assignment menu over a state with the factory map.
struct Fixture {
    explicit Fixture(const std::string& language) {
        state->languageCode = language;
        state->texts = LanguageTable::For(language);
        ApplyCodeDefaults(*state);
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
    }

    // Clicks the selector of `button` and waits for its menu.
    CExMenu* openMenu(int button) {
        QTest::mouseClick(view->label(button), Qt::LeftButton);
        CExMenu* open = menu->openMenu();
        if (open == nullptr || !QTest::qWaitForWindowExposed(open)) {
            return nullptr;
        }
        return open;
    }

    QString text(int button) const { return view->label(button)->text(); }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>(folder.path(), log);
    QWidget window;
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    std::unique_ptr<MouseView> view;
    std::unique_ptr<WindowAssignmentDialogs> dialogs;
    std::unique_ptr<ButtonAssignmentMenu> menu;
};

}  // namespace

class ButtonAssignmentMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void opensBesideTheSelectorWithTheButtonsMenu_data();
    void opensBesideTheSelectorWithTheButtonsMenu();
    void choosingAnItemAssignsItAndRewritesTheLabel_data();
    void choosingAnItemAssignsItAndRewritesTheLabel();
    void escapeOrAClickOutsideChangesNothing();
    void aKeyboardKeyIsCapturedAndAssigned_data();
    void aKeyboardKeyIsCapturedAndAssigned();
    void theLastLeftClickShowsTheMessageInsteadOfTheMenu();
};

void ButtonAssignmentMenuTest::opensBesideTheSelectorWithTheButtonsMenu_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("EN");
    QTest::newRow("simplified Chinese") << QStringLiteral("CHS");
}

void ButtonAssignmentMenuTest::opensBesideTheSelectorWithTheButtonsMenu() {
    QFETCH(QString, language);
    Fixture f(language.toStdString());
    CExMenu* menu = f.openMenu(4);
    QVERIFY(menu != nullptr);
    QCOMPARE(f.view->highlighted(), 4);
    QVERIFY(f.view->label(4)->isSelected());
    const CBitmapBtn* selector = f.view->label(4);
    QCOMPARE(menu->pos(), selector->mapToGlobal(QPoint(selector->width() + 5, 0)));

    // The same items, texts, widths and inert items as the menu model of the button.
    const Menu model = BuildAssignmentMenu(*f.state, 4);
    QCOMPARE(menu->actions().size(), static_cast<qsizetype>(model.items.size()));
    QCOMPARE(menu->itemWidth(), kTopMenuWidth);
    for (std::size_t k = 0; k < model.items.size(); ++k) {
        QAction* a = menu->actions()[static_cast<qsizetype>(k)];
        QCOMPARE(menu->itemText(a), qText(model.items[k].text));
        QCOMPARE(a->menu() != nullptr, model.items[k].submenu.has_value());
        if (model.items[k].submenu) {
            auto* sub = qobject_cast<CExMenu*>(a->menu());
            QCOMPARE(sub->itemWidth(), model.items[k].submenu->itemWidth);
        } else {
            QCOMPARE(menu->commandOf(a), std::optional<int>(model.items[k].command));
        }
    }
    const QString first =
        language == QLatin1String("EN") ? QStringLiteral("Click") : QString::fromUtf8("左键");
    QCOMPARE(menu->itemText(menu->actions().first()), first);

    // Gun switches 1 and 2 are bound to buttons 10 and 9: inert names in button 4's menu.
    CExMenu* gun = test::openSubmenu(menu, qText(f.state->texts[Text::GunManagementPlus]));
    QVERIFY(gun != nullptr);
    QCOMPARE(gun->itemWidth(), kGunMenuWidth);
    QCOMPARE(gun->actions().size(), 4);
    QVERIFY(!gun->commandOf(gun->actions()[1]).has_value());
    QVERIFY(test::saveScreenshot(test::windowWithPopups(f.window, {menu, gun}),
                                 QStringLiteral("assignment-menu-%1.png").arg(language)));
    QTest::keyClick(gun, Qt::Key_Escape);
    QTest::keyClick(menu, Qt::Key_Escape);
}

void ButtonAssignmentMenuTest::choosingAnItemAssignsItAndRewritesTheLabel_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("submenu");  // empty: an item of the top menu
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("category");
    QTest::newRow("Forward") << QStringLiteral("EN") << QString() << QStringLiteral("Forward") << 3;
    QTest::newRow("DPI - from its submenu")
        << QStringLiteral("EN") << QStringLiteral("DPI Setting +") << QStringLiteral("DPI -") << 6;
    QTest::newRow("Chinese Volume Down") << QStringLiteral("CHS") << QString::fromUtf8("多媒体 +")
                                         << QString::fromUtf8("音量-") << 7;
    QTest::newRow("Chinese Back") << QStringLiteral("CHS") << QString()
                                  << QString::fromUtf8("后退方向键") << 4;
}

void ButtonAssignmentMenuTest::choosingAnItemAssignsItAndRewritesTheLabel() {
    QFETCH(QString, language);
    QFETCH(QString, submenu);
    QFETCH(QString, item);
    QFETCH(int, category);
    Fixture f(language.toStdString());
    QSignalSpy assigned(f.menu.get(), &ButtonAssignmentMenu::assigned);
    CExMenu* menu = f.openMenu(4);
    QVERIFY(menu != nullptr);
    CExMenu* from = submenu.isEmpty() ? menu : test::openSubmenu(menu, submenu);
    QVERIFY(from != nullptr);
    QAction* chosen = test::menuAction(from, item);
    QVERIFY(chosen != nullptr);
    test::clickMenuItem(from, chosen);

    QVERIFY(QTest::qWaitFor([&] { return assigned.size() == 1; }));
    QCOMPARE(assigned.at(0).at(0).toInt(), 4);
    QCOMPARE(int{f.state->block.button(ButtonField::Category, 4)}, category);
    QCOMPARE(f.text(4), item);
    QCOMPARE(qText(f.state->labels[4]), item);
    QCOMPARE(f.text(3), QStringLiteral("label 3"));
    QCOMPARE(f.view->highlighted(), -1);
    QVERIFY(!f.view->label(4)->isSelected());
    QVERIFY(QTest::qWaitFor([&] { return f.menu->openMenu() == nullptr; }));
}

void ButtonAssignmentMenuTest::escapeOrAClickOutsideChangesNothing() {
    Fixture f("EN");
    const SettingsBlock before = f.state->block;
    QSignalSpy assigned(f.menu.get(), &ButtonAssignmentMenu::assigned);

    CExMenu* menu = f.openMenu(2);
    QVERIFY(menu != nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !menu->isVisible(); }));
    QCOMPARE(f.view->highlighted(), -1);
    QVERIFY(!f.view->label(2)->isSelected());

    menu = f.openMenu(5);
    QVERIFY(menu != nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(-40, 10));
    QVERIFY(QTest::qWaitFor([&] { return !menu->isVisible(); }));
    QCOMPARE(f.view->highlighted(), -1);

    QVERIFY(f.state->block.bytes() == before.bytes());
    QCOMPARE(f.text(2), QStringLiteral("label 2"));
    QCOMPARE(f.text(5), QStringLiteral("label 5"));
    QCOMPARE(assigned.size(), 0);
}

void ButtonAssignmentMenuTest::aKeyboardKeyIsCapturedAndAssigned_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<unsigned long>("keysym");  // 0: no key
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("code");  // -1: the button is left as it was
    QTest::addColumn<QString>("label");
    QTest::newRow("A") << QStringLiteral("EN") << static_cast<unsigned long>(XK_a) << true << 0x04
                       << QStringLiteral("Assign Keyboard Key-A");
    QTest::newRow("numeric-pad Enter")
        << QStringLiteral("EN") << static_cast<unsigned long>(XK_KP_Enter) << true << 0x58
        << QStringLiteral("Assign Keyboard Key-Num Enter");
    QTest::newRow("Chinese right Alt")
        << QStringLiteral("CHS") << static_cast<unsigned long>(XK_Alt_R) << true << 0xE6
        << QString::fromUtf8("单键-Right Alt");
    QTest::newRow("App, which the mouse cannot send")
        << QStringLiteral("EN") << static_cast<unsigned long>(XK_Menu) << true << 0x00
        << QStringLiteral("Assign Keyboard Key-App");
    QTest::newRow("Cancel") << QStringLiteral("EN") << static_cast<unsigned long>(XK_a) << false
                            << -1 << QStringLiteral("label 5");
    QTest::newRow("OK without a key")
        << QStringLiteral("EN") << 0ul << true << -1 << QStringLiteral("label 5");
}

void ButtonAssignmentMenuTest::aKeyboardKeyIsCapturedAndAssigned() {
    QFETCH(QString, language);
    QFETCH(unsigned long, keysym);
    QFETCH(bool, ok);
    QFETCH(int, code);
    QFETCH(QString, label);
    Fixture f(language.toStdString());
    const SettingsBlock before = f.state->block;
    bool closed = false;
    test::whenModalOpens<CSingleDialog>([&](CSingleDialog& dialog) {
        if (keysym != 0) {
            test::sendKey(dialog, keysym, false);
            test::sendKey(dialog, keysym, true);
        }
        QTest::mouseClick(ok ? dialog.okButton() : dialog.cancelButton(), Qt::LeftButton);
        closed = true;
    });
    CExMenu* menu = f.openMenu(5);
    QVERIFY(menu != nullptr);
    test::clickMenuItem(menu,
                        test::menuAction(menu, qText(f.state->texts[Text::AssignKeyboardKey])));
    QVERIFY(QTest::qWaitFor([&] { return closed; }));

    QCOMPARE(f.text(5), label);
    QCOMPARE(qText(f.state->labels[5]), label);
    if (code < 0) {
        QVERIFY(f.state->block.bytes() == before.bytes());
        return;
    }
    QCOMPARE(int{f.state->block.button(ButtonField::Category, 5)}, 10);
    QCOMPARE(int{f.state->block.button(ButtonField::KeyboardKey, 5)}, code);
    SettingsBlock others = f.state->block;
    others.setButton(ButtonField::Category, 5, before.button(ButtonField::Category, 5));
    others.setButton(ButtonField::KeyboardKey, 5, before.button(ButtonField::KeyboardKey, 5));
    QVERIFY(others.bytes() == before.bytes());
}

void ButtonAssignmentMenuTest::theLastLeftClickShowsTheMessageInsteadOfTheMenu() {
    Fixture f("EN");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    QTest::mouseClick(f.view->label(0), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral(
                        "ATTENTION!!|At least one button must be set as the \"click\" function."));
    QVERIFY(f.menu->openMenu() == nullptr);
    QCOMPARE(f.view->highlighted(), -1);
    QVERIFY(!f.view->label(0)->isSelected());

    // A second left click lets button 0's menu open again.
    CExMenu* menu = f.openMenu(1);
    QVERIFY(menu != nullptr);
    test::clickMenuItem(menu, test::menuAction(menu, QStringLiteral("Click")));
    QVERIFY(QTest::qWaitFor([&] { return f.text(1) == QStringLiteral("Click"); }));
    QVERIFY(f.openMenu(0) != nullptr);
    QTest::keyClick(f.menu->openMenu(), Qt::Key_Escape);
}

}  // namespace gx508

QTEST_MAIN(gx508::ButtonAssignmentMenuTest)
#include "ButtonAssignmentMenuTest.moc"
