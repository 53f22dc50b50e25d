// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CMouseConfigurationDlg.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "core/assign/FunctionCatalogue.h"
#include "core/device/VirtualMouse.h"
#include "core/perf/Dpi.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"
#include "gui/app/BusyOverlay.h"
#include "gui/app/LeftColumn.h"
#include "gui/app/MouseSession.h"
#include "gui/app/TrayNotifier.h"
#include "gui/assign/ButtonAssignmentMenu.h"
#include "gui/assign/MacroSelectorDialog.h"
#include "gui/assign/MacroSelectorLayout.h"
#include "gui/assign/MouseView.h"
#include "gui/macro/CMacroProgramDialog.h"
#include "gui/perf/CDlgDPISetting.h"
#include "gui/perf/CDlgadvance.h"
#include "gui/store/CConfigDialog.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarker.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"
#include "platform/ProgramFolder.h"
#include "support/KeyInput.h"
#include "support/MenuProbe.h"
#include "support/TempFolder.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

// Pauses like the protocol, but only while the gate is open; a closed gate holds a running
// device sequence where it is.
class GatedPacer final : public Pacer {
  public:
    void Pause(int) override {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_open; });
    }
    void setOpen(bool open) {
        std::lock_guard lock(m_mutex);
        m_open = open;
        m_changed.notify_all();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = true;
};

// Rewrites the language code of a settings ini (other files have none).
void SetLanguage(const std::filesystem::path& file, const std::string& language) {
    QFile ini(QString::fromStdString(file.string()));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QByteArray text = ini.readAll();
    ini.close();
    text.replace("Lan=EN", QByteArray("Lan=") + language.c_str());
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(text);
}

// The program on a virtual mouse in a fresh copy of the base files, with a notification area as
// chosen and every balloon recorded.
struct Program {
    explicit Program(bool plugged = true, bool trayAvailable = false,
                     const QString& skins = QStringLiteral(GX508_PROGRAM_DIR "/Skins"),
                     const std::string& language = "EN")
        : skin(skins) {
        for (const char* name : kBaseFiles) {
            std::filesystem::copy_file(std::filesystem::path(GX508_PROGRAM_DIR) / name,
                                       folder / name);
            if (language != "EN") {
                SetLanguage(folder / name, language);
            }
        }
        if (!plugged) {
            mouse.unplug();
        }
        session = std::make_unique<MouseSession>(state, mouse, pacer, pointer);
        session->connectAtStartup();
        StartupLoad(state);
        tray = std::make_unique<TrayNotifier>(CMouseConfigurationDlg::programIcon(skin),
                                              QStringLiteral("GX508"), QStringLiteral("Exit"),
                                              QFont(), [trayAvailable] { return trayAvailable; });
        tray->setEcho([this](const Balloon& balloon) { balloons.push_back(balloon); });
        window = std::make_unique<CMouseConfigurationDlg>(state, *session, *tray, skin);
    }
    ~Program() { pacer.setOpen(true); }

    LeftColumn& column() { return window->leftColumn(); }
    MouseView& view() { return window->mouseView(); }
    int headerTop(CBitmapBtn* header) { return header->geometry().top(); }

    test::TempFolder folder;
    NullLog log;
    SharedState state{folder.path(), log};
    VirtualMouse mouse;
    GatedPacer pacer;
    RecordingPointerBackend pointer;
    Skin skin;
    std::unique_ptr<MouseSession> session;
    std::vector<Balloon> balloons;
    std::unique_ptr<TrayNotifier> tray;
    std::unique_ptr<CMouseConfigurationDlg> window;
};

// The texts of the next modal message box's accepting and rejecting buttons, read as soon as it
// shows; the box is then rejected.
void ReadNextMessageBoxButtons(QString& accept, QString& reject) {
    QTimer::singleShot(0, [&accept, &reject] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        for (QAbstractButton* button : box->buttons()) {
            QString& text = box->buttonRole(button) == QMessageBox::AcceptRole ? accept : reject;
            text = button->text().remove(QLatin1Char('&'));
        }
        box->reject();
    });
}

// Presses a button of the next modal message box as soon as it shows.
void AnswerNextMessageBox(bool ok) {
    QTimer::singleShot(0, [ok] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if ((box->buttonRole(button) == QMessageBox::AcceptRole) == ok) {
                button->click();
                return;
            }
        }
    });
}

bool Sent(const VirtualMouse& mouse, std::uint8_t command) {
    for (const WireEvent& event : mouse.events()) {
        if (event.kind == WireEvent::Kind::SetFeature && event.bytes.size() > 1 &&
            event.bytes[1] == command) {
            return true;
        }
    }
    return false;
}

}  // namespace

class CMouseConfigurationDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void startsClosedAndSizedToItsBackground();
    void withoutItsSkinTheWindowKeepsItsSize();
    void buttonListMovesTheLowerHeaders();
    void axisPanelHoldsTheSlidersUnderItsHeader();
    void slidersWriteTheirBlockBytes();
    void cancelRestoresTheSavedValues();
    void settingsPanelEditsTheBlockUntilCancelRevertsIt();
    void backgroundClickClearsTheHighlight();
    void theMacroHeaderOpensTheMacroManagerOnTheProgramsMacros();
    void aSelectorOpensItsMenuAndTheChoiceBecomesItsLabel_data();
    void aSelectorOpensItsMenuAndTheChoiceBecomesItsLabel();
    void theSelectorsOpenOverTheWindowFromItsMenu_data();
    void theSelectorsOpenOverTheWindowFromItsMenu();
    void keysThatWouldCloseOrPressAreSwallowed();
    void hiddenStartHidesTheFirstTwoShows();
    void noticesShowTheSavedStagesNotTheEdits();
    void applyRunsOffTheWindowWhichTakesNoInputMeanwhile();
    void resetAsksThenRestoresTheDefaults();
    void lossHidesTheWindowAndClosesOurDialogs();
    void withoutNotificationAreaHidingMinimises();
    void helpMenuOffersThePageTheUpdaterAndTheVersion();
    void failuresReachTheUser();
    void fixedTextsShowWhateverTheLanguageCode_data();
    void fixedTextsShowWhateverTheLanguageCode();
    void profileManagerCoversTheLeftColumnUntilItChooses();
};

void CMouseConfigurationDlgTest::startsClosedAndSizedToItsBackground() {
    Program p;
    p.window->show();
    QCOMPARE(p.window->size(), p.skin.image(kMainBackgroundFile).size());
    QCOMPARE(p.column().assignmentHeader()->geometry(), QRect(20, 107, 242, 20));
    QCOMPARE(p.headerTop(p.column().macroHeader()), 132);
    QCOMPARE(p.headerTop(p.column().axisHeader()), 182);
    QVERIFY(!p.column().xSlider()->isVisible());
    QVERIFY(!p.view().label(0)->isVisible());
    QCOMPARE(p.view().view(), 1);
    QVERIFY(p.view().tab(1)->isSelected());
    QVERIFY(!p.view().tab(3)->isVisible());
    QCOMPARE(p.window->windowTitle(), QStringLiteral("VelmoraGX508鼠标"));
    QCOMPARE(p.view().label(0)->text(), QString::fromStdString(p.state.labels[0]));
}

// An empty skin folder draws nothing, but the window keeps its size and the button list still
// opens by the height of its background.
void CMouseConfigurationDlgTest::withoutItsSkinTheWindowKeepsItsSize() {
    const test::TempFolder skins;
    Program p(true, false, QString::fromStdString(skins.path().string()));
    p.window->show();
    QCOMPARE(p.window->size(), QSize(1000, 642));
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QCOMPARE(p.headerTop(p.column().macroHeader()), 132 + 174);
    QVERIFY(p.view().label(0)->isVisible());
}

void CMouseConfigurationDlgTest::buttonListMovesTheLowerHeaders() {
    Program p;
    p.window->show();
    const int listHeight = p.skin.image(kFrontPanelFile).height();
    QVERIFY(listHeight > 0);

    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QCOMPARE(p.headerTop(p.column().macroHeader()), 132 + listHeight);
    QCOMPARE(p.headerTop(p.column().gunHeader()), 157 + listHeight);
    QCOMPARE(p.headerTop(p.column().axisHeader()), 182 + listHeight);
    QVERIFY(p.view().label(0)->isVisible() && p.view().label(6)->isVisible());
    QVERIFY(!p.view().label(7)->isVisible());

    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QCOMPARE(p.headerTop(p.column().macroHeader()), 132);
    QCOMPARE(p.headerTop(p.column().axisHeader()), 182);
    QVERIFY(!p.view().label(0)->isVisible());
}

void CMouseConfigurationDlgTest::axisPanelHoldsTheSlidersUnderItsHeader() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);
    QVERIFY(p.column().xSlider()->isVisible() && p.column().ySlider()->isVisible());
    QCOMPARE(p.column().xSlider()->geometry(), QRect(37, 227, 208, 9));
    QCOMPARE(p.column().ySlider()->geometry(), QRect(37, 272, 208, 9));

    const int listHeight = p.skin.image(kFrontPanelFile).height();
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QCOMPARE(p.column().xSlider()->geometry().top(), 227 + listHeight);
    QCOMPARE(p.column().axisPanelTop(), 202 + listHeight);

    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);
    QVERIFY(!p.column().xSlider()->isVisible());
}

void CMouseConfigurationDlgTest::slidersWriteTheirBlockBytes() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);
    CDMarker* x = p.column().xSlider();
    CDMarker* y = p.column().ySlider();
    QCOMPARE(x->position(), int{p.state.block.byte(block::kXSensitivity)});

    // A release right of the track gives the maximum, at its left end the minimum.
    QTest::mousePress(x, Qt::LeftButton, {}, QPoint(100, 4));
    QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(x->width() + 30, 4));
    QCOMPARE(int{p.state.block.byte(block::kXSensitivity)}, 11);
    QTest::mouseClick(y, Qt::LeftButton, {}, QPoint(0, 4));
    QCOMPARE(int{p.state.block.byte(block::kYSensitivity)}, 1);
    QCOMPARE(int{p.state.block.byte(block::kXSensitivity)}, 11);
}

void CMouseConfigurationDlgTest::cancelRestoresTheSavedValues() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);
    CDMarker* x = p.column().xSlider();
    const int saved = p.state.saved.byte(block::kXSensitivity);
    QTest::mouseClick(x, Qt::LeftButton, {}, QPoint(x->width() - 1, 4));
    QVERIFY(p.state.block.byte(block::kXSensitivity) != saved);

    QTest::mouseClick(p.window->cancelButton(), Qt::LeftButton);
    QVERIFY(p.state.block == p.state.saved);
    QCOMPARE(x->position(), saved);
}

void CMouseConfigurationDlgTest::settingsPanelEditsTheBlockUntilCancelRevertsIt() {
    Program p;
    p.window->show();
    CDlgadvance& panel = p.window->settingsPanel();
    QCOMPARE(panel.frame()->geometry(), QRect(735, 32, 260, 561));
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    QCOMPARE(p.view().highlighted(), 3);
    QTest::mouseClick(panel.header(0), Qt::LeftButton);
    QTRY_COMPARE(p.view().highlighted(), -1);
    // The label click opened the button's assignment menu. Once it has gone the window takes the
    // keys below again; the offscreen platform does not hand the activation back by itself.
    QPointer<CExMenu> menu = p.window->assignmentMenu().openMenu();
    if (!menu.isNull()) {
        QTest::keyClick(menu, Qt::Key_Escape);
    }
    QTRY_VERIFY(menu.isNull());
    QApplication::setActiveWindow(p.window.get());
    QTRY_COMPARE(QApplication::activeWindow(), p.window.get());

    auto* dpi = static_cast<CDlgDPISetting*>(panel.page(0));
    QVERIFY(dpi->isVisible());
    CDMarkerV* stage3 = dpi->slider(2);
    QTest::mouseClick(stage3, Qt::LeftButton, {}, QPoint(3, 0));
    QCOMPARE(int{p.state.block.dpiIndex(2)}, 54);

    QTest::mouseDClick(dpi, Qt::LeftButton, {}, CDlgDPISetting::valueBoxRect(4).center());
    QLineEdit* editor = dpi->editor(4);
    QVERIFY(editor->isVisible());
    editor->setText(QStringLiteral("1234"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(int{p.state.block.dpiIndex(4)}, 11);
    QVERIFY(!editor->isVisible());
    QVERIFY(p.window->isVisible());

    QTest::mouseClick(p.window->cancelButton(), Qt::LeftButton);
    QVERIFY(p.state.block == p.state.saved);
    QCOMPARE(stage3->position(), int{p.state.saved.dpiIndex(2)});
    QVERIFY(panel.layout().collapsed(0));
    QVERIFY(!dpi->isVisible());
}

void CMouseConfigurationDlgTest::backgroundClickClearsTheHighlight() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    QCOMPARE(p.view().highlighted(), 3);
    QTest::mousePress(p.window.get(), Qt::LeftButton, {}, QPoint(600, 620));
    QTest::mouseRelease(p.window.get(), Qt::LeftButton, {}, QPoint(600, 620));
    QCOMPARE(p.view().highlighted(), -1);
}

void CMouseConfigurationDlgTest::theMacroHeaderOpensTheMacroManagerOnTheProgramsMacros() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    bool opened = false;
    test::whenModalOpens<CMacroProgramDialog>([&](CMacroProgramDialog& manager) {
        opened = true;
        QTest::mouseClick(manager.newButton(), Qt::LeftButton);
        QTest::mouseClick(manager.okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(p.column().macroHeader(), Qt::LeftButton);
    QTRY_VERIFY(opened);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(p.view().highlighted(), -1);
    QCOMPARE(ReadIniString(p.state.paths.macroStore, "MacroName", "0"), "Macro_1");
}

void CMouseConfigurationDlgTest::aSelectorOpensItsMenuAndTheChoiceBecomesItsLabel_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("submenu");
    QTest::addColumn<QString>("item");
    QTest::newRow("English") << QStringLiteral("EN") << QStringLiteral("Multimedia Commands +")
                             << QStringLiteral("Next Track");
    QTest::newRow("simplified Chinese")
        << QStringLiteral("CHS") << QString::fromUtf8("多媒体 +") << QString::fromUtf8("下一首");
}

void CMouseConfigurationDlgTest::aSelectorOpensItsMenuAndTheChoiceBecomesItsLabel() {
    QFETCH(QString, language);
    QFETCH(QString, submenu);
    QFETCH(QString, item);
    Program p(true, false, QStringLiteral(GX508_PROGRAM_DIR "/Skins"), language.toStdString());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    // Row 4 of the front panel is "Button 5", button index 3.
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    CExMenu* menu = p.window->assignmentMenu().openMenu();
    QVERIFY(menu != nullptr && QTest::qWaitForWindowExposed(menu));
    QCOMPARE(p.view().highlighted(), 3);
    CExMenu* list = test::openSubmenu(menu, submenu);
    QVERIFY(list != nullptr);
    QVERIFY(
        test::saveScreenshot(test::windowWithPopups(*p.window, {menu, list}),
                             QStringLiteral("main-window-assignment-menu-%1.png").arg(language)));

    test::clickMenuItem(list, test::menuAction(list, item));
    QTRY_COMPARE(p.view().label(3)->text(), item);
    QCOMPARE(QString::fromStdString(p.state.labels[3]), item);
    QCOMPARE(p.state.block.button(ButtonField::Category, 3),
             static_cast<std::uint8_t>(Category::Multimedia));
    QCOMPARE(p.state.block.button(ButtonField::MultimediaUsage, 3), std::uint8_t{0xB5});
    QCOMPARE(p.view().highlighted(), -1);
    QVERIFY(test::saveScreenshot(p.window->grab().toImage(),
                                 QStringLiteral("main-window-assigned-%1.png").arg(language)));
}

void CMouseConfigurationDlgTest::theSelectorsOpenOverTheWindowFromItsMenu_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("gun");
    QTest::newRow("macro, English") << QStringLiteral("EN") << false;
    QTest::newRow("macro, simplified Chinese") << QStringLiteral("CHS") << false;
    QTest::newRow("gun macro, English") << QStringLiteral("EN") << true;
    QTest::newRow("gun macro, simplified Chinese") << QStringLiteral("CHS") << true;
}

// From the menu of "Button 5" (index 3) over the base files: the selector opens over the window
// with the stored names, and its Cancel leaves the button and the program folder as they were.
void CMouseConfigurationDlgTest::theSelectorsOpenOverTheWindowFromItsMenu() {
    QFETCH(QString, language);
    QFETCH(bool, gun);
    Program p(true, false, QStringLiteral(GX508_PROGRAM_DIR "/Skins"), language.toStdString());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    // Gun switch 0 leaves its button, so that any button's menu offers to assign it.
    p.state.block.setGunAssigned(0, false);
    p.state.block.setGunButton(0, kNone);
    const SettingsBlock before = p.state.block;
    const QString label = p.view().label(3)->text();
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const char* name : kBaseFiles) {
        files[name] = test::ReadBytes(p.folder / name);
    }

    QStringList listed;
    test::onNextModal<MacroSelectorDialog>([&](MacroSelectorDialog& d) {
        QCOMPARE(d.parentWidget(), p.window.get());
        QVERIFY(p.window->geometry().contains(d.geometry()));
        QTest::mouseClick(&d, Qt::LeftButton, {}, layout::kSelectorDropDown.center());
        for (int i = 0; i < d.list()->count(); ++i) {
            listed << d.list()->item(i)->text();
        }
        QVERIFY(test::saveScreenshot(
            test::windowWithPopups(*p.window, {&d}),
            QStringLiteral("main-window-%1-%2.png")
                .arg(gun ? QStringLiteral("gun-macro-selector") : QStringLiteral("macro-selector"),
                     language)));
        QTest::mouseClick(&d, Qt::LeftButton, {}, layout::kSelectorCancel.center());
    });
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    CExMenu* menu = p.window->assignmentMenu().openMenu();
    QVERIFY(menu != nullptr && QTest::qWaitForWindowExposed(menu));
    CExMenu* from = menu;
    QString item = qText(p.state.texts[Text::Macro]);
    if (gun) {
        from = test::openSubmenu(menu, qText(p.state.texts[Text::GunManagementPlus]));
        QVERIFY(from != nullptr);
        QAction* gunSwitch = from->actions().first();
        QVERIFY(gunSwitch->menu() != nullptr);
        from = test::openSubmenu(from, from->itemText(gunSwitch));
        QVERIFY(from != nullptr);
        item = qText(p.state.texts[Text::Assign]);
    }
    test::clickMenuItem(from, test::menuAction(from, item));
    QTRY_VERIFY(p.window->assignmentMenu().openMenu() == nullptr &&
                QApplication::activeModalWidget() == nullptr);

    const QStringList gunMacros{"Snipe", "AKM", "Standard Gun"};
    QCOMPARE(listed, gun ? gunMacros : QStringList());
    QVERIFY(p.state.block == before);
    QCOMPARE(p.view().label(3)->text(), label);
    for (const auto& [name, bytes] : files) {
        QVERIFY2(test::ReadBytes(p.folder / name) == bytes, name.c_str());
    }
}

void CMouseConfigurationDlgTest::keysThatWouldCloseOrPressAreSwallowed() {
    Program p;
    p.window->show();
    CBitmapBtn* header = p.column().assignmentHeader();
    header->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_F1}) {
        QTest::keyClick(header, key);
        QTest::keyClick(header, key, Qt::AltModifier);
        QTest::keyClick(p.window.get(), key);
    }
    QVERIFY(!p.view().listExpanded());
    QVERIFY(p.window->isVisible());
}

void CMouseConfigurationDlgTest::hiddenStartHidesTheFirstTwoShows() {
    Program p(false, true);
    QVERIFY(!p.session->connected());
    QVERIFY(!p.tray->iconShown());
    p.window->show();
    QVERIFY(!p.window->isVisible());
    QCOMPARE(p.window->earlyHideCount(), 1);
    p.window->show();
    QVERIFY(!p.window->isVisible());
    QCOMPARE(p.window->earlyHideCount(), 0);
    p.window->show();
    QVERIFY(p.window->isVisible());

    // The mouse arrives: the icon comes with the detection balloon; the icon restores the window.
    Program later(false, true);
    later.window->show();
    later.mouse.replug();
    later.session->deviceArrived();
    QVERIFY(later.tray->iconShown());
    QCOMPARE(later.balloons.back().text, "The system detect GX508 gaming mouse.");
    QVERIFY(!later.window->isVisible());
    emit later.tray->restoreRequested();
    QVERIFY(later.window->isVisible());
}

void CMouseConfigurationDlgTest::noticesShowTheSavedStagesNotTheEdits() {
    Program p;
    p.state.saved.setDpiIndex(2, 15);
    p.state.block.setDpiIndex(2, 7);
    p.mouse.sendNotice(2, 3);
    QTRY_VERIFY_WITH_TIMEOUT(!p.balloons.empty(), 30000);
    QCOMPARE(p.balloons.back(),
             (Balloon{"Info", "Switch DPI into the third stage " + DpiIndexToText(15), 5000}));
    p.mouse.sendNotice(9, 0);
    p.mouse.sendNotice(9, 4);
    QTRY_COMPARE_WITH_TIMEOUT(p.balloons.size(), std::size_t{2}, 30000);
    QCOMPARE(p.balloons.back().text, "Switch to macro key4");
}

void CMouseConfigurationDlgTest::applyRunsOffTheWindowWhichTakesNoInputMeanwhile() {
    Program p;
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.state.block.setByte(block::kXSensitivity, 9);
    p.mouse.clearEvents();
    p.pacer.setOpen(false);
    QTest::mouseClick(p.window->applyButton(), Qt::LeftButton);
    QVERIFY(p.session->busy());
    QVERIFY(p.window->busyOverlay()->isVisible());
    QCOMPARE(p.window->busyOverlay()->geometry(), p.window->rect());

    // Held in the middle of the sequence: the window paints, clicks and keys change nothing,
    // notices wait.
    QVERIFY(!p.window->grab().isNull());
    // Real input, routed to whatever lies under the pointer.
    QTest::mouseClick(p.window->windowHandle(), Qt::LeftButton, {},
                      p.window->cancelButton()->geometry().center());
    QTest::keyClick(p.window->busyOverlay(), Qt::Key_A);
    QVERIFY(p.window->isVisible());
    QCOMPARE(int{p.state.block.byte(block::kXSensitivity)}, 9);
    QSignalSpy exits(p.window.get(), &CMouseConfigurationDlg::exitRequested);
    emit p.tray->exitRequested();
    QCOMPARE(exits.count(), 0);
    // The reader takes the second notice, which shows nothing, only after it has handed the
    // first to this thread; once that call has been delivered the first notice has arrived.
    p.mouse.sendNotice(2, 1);
    p.mouse.sendNotice(9, 0);
    QTRY_COMPARE_WITH_TIMEOUT(p.mouse.pendingNotices(), std::size_t{0}, 30000);
    QCoreApplication::sendPostedEvents();
    QVERIFY(p.balloons.empty());
    QCOMPARE(exits.count(), 0);

    p.pacer.setOpen(true);
    QTRY_VERIFY_WITH_TIMEOUT(!p.session->busy(), 30000);
    QCOMPARE(exits.count(), 1);
    QVERIFY(!p.window->busyOverlay()->isVisible());
    QVERIFY(p.state.saved == p.state.block);
    QVERIFY(Sent(p.mouse, 0x01) && Sent(p.mouse, 0x0E) && Sent(p.mouse, 0x0D));
    QCOMPARE(p.pointer.calls().size(), std::size_t{4});
    QTRY_COMPARE_WITH_TIMEOUT(p.balloons.size(), std::size_t{1}, 30000);
}

void CMouseConfigurationDlgTest::resetAsksThenRestoresTheDefaults() {
    Program p;
    p.window->show();
    p.state.block.setByte(block::kXSensitivity, 9);
    QTest::mouseClick(p.view().tab(2), Qt::LeftButton);
    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);

    AnswerNextMessageBox(false);
    QTest::mouseClick(p.window->resetButton(), Qt::LeftButton);
    QVERIFY(!p.session->busy());
    QCOMPARE(int{p.state.block.byte(block::kXSensitivity)}, 9);

    AnswerNextMessageBox(true);
    QTest::mouseClick(p.window->resetButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!p.session->busy(), 30000);
    QCOMPARE(int{p.state.block.byte(block::kXSensitivity)}, 5);
    QCOMPARE(p.column().xSlider()->position(), 5);
    QVERIFY(!p.column().axisExpanded());
    QCOMPARE(p.view().view(), 1);
    QVERIFY(p.state.saved == p.state.block);
    QVERIFY(Sent(p.mouse, 0x0B));
}

void CMouseConfigurationDlgTest::lossHidesTheWindowAndClosesOurDialogs() {
    Program p;
    p.window->show();
    QDialog dialog(p.window.get());
    dialog.show();
    p.mouse.unplug();
    p.session->deviceRemoved();
    QVERIFY(!p.window->isVisible());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(p.balloons.back(),
             (Balloon{"Warning", "The system did not detect GX508 gaming mouse!", 100}));

    // Without a notification area the window itself comes back with the mouse.
    p.mouse.replug();
    p.session->deviceArrived();
    QVERIFY(p.window->isVisible());
    QCOMPARE(p.balloons.back().title, "Info");
}

void CMouseConfigurationDlgTest::withoutNotificationAreaHidingMinimises() {
    Program withArea(true, true);
    withArea.window->show();
    QTest::mouseClick(withArea.window->closeButton(), Qt::LeftButton);
    QVERIFY(!withArea.window->isVisible());

    Program without(true, false);
    without.window->show();
    QTest::mouseClick(without.window->closeButton(), Qt::LeftButton);
    QVERIFY(without.window->isVisible());
    QVERIFY(without.window->isMinimized());

    // The desktop's own close request hides in the same way.
    Program closed(true, false);
    closed.window->show();
    QVERIFY(!closed.window->close());
    QVERIFY(closed.window->isVisible() && closed.window->isMinimized());
}

void CMouseConfigurationDlgTest::helpMenuOffersThePageTheUpdaterAndTheVersion() {
    Program p;
    p.window->show();
    QSignalSpy exits(p.window.get(), &CMouseConfigurationDlg::exitRequested);
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QTest::mouseClick(p.view().label(3), Qt::LeftButton);
    QTest::mouseClick(p.window->helpButton(), Qt::LeftButton);
    QCOMPARE(p.view().highlighted(), -1);

    CExMenu* menu = p.window->helpMenu();
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 30000);
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << menu->itemText(action);
    }
    QCOMPARE(items, (QStringList{QString::fromStdString(p.state.texts[Text::WebAddress]),
                                 QStringLiteral("Update"), QStringLiteral("Version:1.3")}));
    QCOMPARE(menu->commandOf(menu->actions().at(2)), std::nullopt);

    // No updater in the program folder: the program does not end for nothing.
    menu->actions().at(1)->trigger();
    QCOMPARE(exits.count(), 0);
    menu->close();
}

void CMouseConfigurationDlgTest::failuresReachTheUser() {
    Program p;
    p.window->show();
    QSignalSpy failed(p.session.get(), &MouseSession::sequenceFailed);
    p.mouse.unplugAfterReports(10);
    p.session->apply();
    QVERIFY(failed.wait(30000));
    QCOMPARE(p.balloons.back(),
             (Balloon{"Warning",
                      "The settings did not fully reach the mouse. Check its cable and apply them "
                      "again.",
                      5000}));

    // A mouse the system does not let us open is explained, not waited for in silence.
    p.session->deviceRemoved();
    p.mouse.replug();
    p.mouse.setOpenDenied(true);
    p.session->deviceArrived();
    QMessageBox* box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) != nullptr, 10000);
    QCOMPARE(box->objectName(), QStringLiteral("mouseInaccessible"));
    QVERIFY(box->text().contains(QStringLiteral("70-gx508.rules")));
    box->close();
    QVERIFY(!p.window->isVisible());
}

void CMouseConfigurationDlgTest::fixedTextsShowWhateverTheLanguageCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("ok");      // empty: the platform's text, whatever it is
    QTest::addColumn<QString>("cancel");  // likewise

    QTest::newRow("English") << QStringLiteral("EN") << QStringLiteral("OK")
                             << QStringLiteral("Cancel");
    QTest::newRow("German") << QStringLiteral("DE") << QStringLiteral("OK")
                            << QStringLiteral("Abbrechen");
    QTest::newRow("unknown code") << QStringLiteral("chs") << QString() << QString();
}

void CMouseConfigurationDlgTest::fixedTextsShowWhateverTheLanguageCode() {
    QFETCH(QString, code);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);

    Program p(true, false, QStringLiteral(GX508_PROGRAM_DIR "/Skins"), code.toStdString());
    QCOMPARE(QString::fromStdString(p.state.languageCode), code);
    p.window->show();

    QTest::mouseClick(p.window->helpButton(), Qt::LeftButton);
    CExMenu* menu = p.window->helpMenu();
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 30000);
    QCOMPARE(menu->itemText(menu->actions().at(2)), QStringLiteral("Version:1.3"));
    menu->close();

    QString accept;
    QString reject;
    ReadNextMessageBoxButtons(accept, reject);
    QTest::mouseClick(p.window->resetButton(), Qt::LeftButton);
    QVERIFY(!p.session->busy());
    QVERIFY(!accept.isEmpty() && !reject.isEmpty() && accept != reject);
    if (!ok.isEmpty()) {
        QCOMPARE(accept, ok);
        QCOMPARE(reject, cancel);
    }

    p.mouse.sendNotice(9, 2);
    QTRY_VERIFY_WITH_TIMEOUT(!p.balloons.empty(), 30000);
    QCOMPARE(p.balloons.back().title, "Info");
    p.mouse.unplug();
    p.session->deviceRemoved();
    QCOMPARE(p.balloons.back().title, "Warning");
}

void CMouseConfigurationDlgTest::profileManagerCoversTheLeftColumnUntilItChooses() {
    Program p;
    p.window->show();
    QTest::mouseClick(p.column().assignmentHeader(), Qt::LeftButton);
    QTest::mouseClick(p.column().axisHeader(), Qt::LeftButton);
    const auto leftColumnShown = [&p] {
        return p.column().macroHeader()->isVisible() && p.column().xSlider()->isVisible() &&
               p.view().label(0)->isVisible();
    };
    const auto commandsEnabled = [&p] {
        return p.window->applyButton()->isEnabled() && p.window->cancelButton()->isEnabled() &&
               p.window->resetButton()->isEnabled();
    };
    QVERIFY(leftColumnShown());
    const QImage applyEnabled = test::rendered(*p.window->applyButton());

    QTest::mouseClick(p.window->profileButton(), Qt::LeftButton);
    CConfigDialog* manager = p.window->profileManager();
    QVERIFY(manager != nullptr);
    QVERIFY(manager->isVisible());
    QCOMPARE(manager->geometry(), QRect(0, 0, 263, 600));
    QVERIFY(!p.column().assignmentHeader()->isVisible());
    QVERIFY(!p.column().macroHeader()->isVisible());
    QVERIFY(!p.column().xSlider()->isVisible());
    QVERIFY(!p.view().label(0)->isVisible());
    QVERIFY(!p.window->applyButton()->isEnabled());
    QVERIFY(!p.window->cancelButton()->isEnabled());
    QVERIFY(!p.window->resetButton()->isEnabled());
    QVERIFY(test::rendered(*p.window->applyButton()) != applyEnabled);
    QTest::mouseClick(p.window->profileButton(), Qt::LeftButton);
    QCOMPARE(p.window->profileManager(), manager);

    // The window's swallowed keys reach the editor: a name takes its spaces, Enter ends it.
    manager->newProfile();
    manager->editProfile();
    QVERIFY(manager->editor() != nullptr);
    QTest::keyClicks(manager->editor(), QStringLiteral("My Set"));
    QTest::keyClick(manager->editor(), Qt::Key_Return);
    QCOMPARE(manager->list()->item(2)->text(), QStringLiteral("My Set"));

    // Choosing another profile loads it into the window and gives the column back.
    manager->list()->setCurrentRow(1);
    QTest::mouseClick(manager->closeButton(), Qt::LeftButton);
    QVERIFY(p.window->profileManager() == nullptr);
    QVERIFY(leftColumnShown());
    QVERIFY(commandsEnabled());
    QCOMPARE(p.state.currentProfile, 1);
    QCOMPARE(p.view().label(0)->text(), QString::fromStdString(p.state.labels[0]));

    // Without its background the manager does not open and says so.
    const test::TempFolder skins;
    Program bare(true, false, QString::fromStdString(skins.path().string()));
    bare.window->show();
    QTest::mouseClick(bare.window->profileButton(), Qt::LeftButton);
    QVERIFY(bare.window->profileManager() == nullptr);
    auto* box = bare.window->findChild<QMessageBox*>(QStringLiteral("profileBackgroundMissing"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("Config Dialog Load background image failed!!!"));
    QCOMPARE(box->text(), QStringLiteral("error"));
    QVERIFY(bare.window->applyButton()->isEnabled());
}

}  // namespace gx508

QTEST_MAIN(gx508::CMouseConfigurationDlgTest)
#include "CMouseConfigurationDlgTest.moc"
