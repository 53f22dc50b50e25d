// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CMouseConfigurationDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "core/device/StatusNotice.h"
#include "core/i18n/FontRule.h"
#include "core/i18n/MainWindowTexts.h"
#include "gui/app/BusyOverlay.h"
#include "gui/app/LeftColumn.h"
#include "gui/app/MainWindowLayout.h"
#include "gui/app/MouseSession.h"
#include "gui/app/TrayNotifier.h"
#include "gui/assign/ButtonAssignmentMenu.h"
#include "gui/assign/MouseView.h"
#include "gui/assign/WindowAssignmentDialogs.h"
#include "gui/gun/CDlgMacroGunMan.h"
#include "gui/macro/CMacroProgramDialog.h"
#include "gui/perf/CDlgadvance.h"
#include "gui/store/CConfigDialog.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarker.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

constexpr int kButtonTextHeight = 13;
constexpr int kHelpMenuItemWidth = 180;
constexpr int kWebPageCommand = 1001;
constexpr int kUpdateCommand = 1002;
constexpr int kVersionCommand = 1003;
constexpr QColor kDisabledCommandText{120, 120, 120};

bool IsSwallowedKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Space || key == Qt::Key_F1;
}

}  // namespace

QIcon CMouseConfigurationDlg::programIcon(const Skin& skin) {
    QIcon icon;
    for (const SkinFile& file : kIconFiles) {
        const QImage image = skin.image(file);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

CMouseConfigurationDlg::CMouseConfigurationDlg(SharedState& state, MouseSession& session,
                                               TrayNotifier& tray, const Skin& skin)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_state(state),
      m_session(session),
      m_tray(tray),
      m_skin(skin) {
    // The notification area's icon, shared rather than decoded again.
    setWindowIcon(tray.icon());
    setWindowTitle(QString::fromUtf8(kTitle));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QString fontFace = qText(FontFace(state.languageCode));
    m_font = mappedFont(fontFace, kMainFontHeight);
    // Without its background the window keeps the listed size, so it never shrinks to nothing.
    const QSize background = skin.size(kMainBackgroundFile);
    setFixedSize(background.isValid() ? background : kMainBackgroundFile.size());

    m_mouseView = new MouseView(*this, skin, state.texts, fontFace);
    m_assignmentDialogs =
        std::make_unique<WindowAssignmentDialogs>(*this, state.texts, skin, state.paths.macroStore);
    m_assignmentMenu =
        new ButtonAssignmentMenu(state, *m_mouseView, *m_assignmentDialogs, m_font, *this);
    m_leftColumn = new LeftColumn(*this, skin, state.texts, fontFace);
    m_panel = new CDlgadvance(state, skin, this);
    connect(m_panel, &CDlgadvance::highlightClearRequested, m_mouseView, &MouseView::ClearHighlight,
            Qt::QueuedConnection);
    createCommandButtons(fontFace);
    createHelpMenu();
    m_busy = new BusyOverlay(*this);

    connect(m_leftColumn->assignmentHeader(), &CBitmapBtn::clicked, this,
            &CMouseConfigurationDlg::toggleButtonList);
    connect(m_leftColumn->axisHeader(), &CBitmapBtn::clicked, this,
            &CMouseConfigurationDlg::toggleAxisPanel);
    connect(m_leftColumn->macroHeader(), &CBitmapBtn::clicked, m_mouseView,
            &MouseView::ClearHighlight);
    connect(m_leftColumn->macroHeader(), &CBitmapBtn::clicked, this,
            &CMouseConfigurationDlg::runMacroManager, Qt::QueuedConnection);
    connect(m_leftColumn->gunHeader(), &CBitmapBtn::clicked, m_mouseView,
            &MouseView::ClearHighlight);
    connect(m_leftColumn->gunHeader(), &CBitmapBtn::clicked, this,
            &CMouseConfigurationDlg::runGunManager, Qt::QueuedConnection);
    connect(m_leftColumn->xSlider(), &CDMarker::positionReleased, this,
            [this](int position) { sensitivityReleased(Axis::X, position); });
    connect(m_leftColumn->ySlider(), &CDMarker::positionReleased, this,
            [this](int position) { sensitivityReleased(Axis::Y, position); });

    collapseSections();
    m_mouseView->SelectView(1);
    centreOnScreen();
    m_tray.addIcon();
    if (m_session.connected()) {
        refreshFromBlock();
    } else {
        m_tray.removeIcon();
    }
    connectSession();
    qApp->installEventFilter(this);
    if (m_session.accessDenied()) {
        QTimer::singleShot(0, this, &CMouseConfigurationDlg::warnInaccessible);
    }
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() {
    qApp->removeEventFilter(this);
}

void CMouseConfigurationDlg::createCommandButtons(const QString& fontFace) {
    auto makeButton = [&](const QRect& rect, const QString& text, const SkinFile& normal,
                          const SkinFile& over, const SkinFile& leave) {
        auto* button = new CBitmapBtn(text, rect, this);
        const QPixmap normalLook = m_skin.loadBitmap(normal);
        button->setImages(QRect(QPoint(0, 0), rect.size()), normalLook, m_skin.loadBitmap(over),
                          m_skin.loadBitmap(leave), normalLook);
        button->setTextAlignment(ButtonTextAlignment::Centre);
        button->setFontHeight(kButtonTextHeight);
        button->setFontFace(fontFace);
        return button;
    };
    const LanguageTable& texts = m_state.texts;
    const auto windowButton = [&](const QRect& rect, const SkinFile& normal, const SkinFile& over) {
        return makeButton(rect, {}, normal, over, over);
    };
    // Reset, Cancel and Apply are disabled while the profile manager is open (Apply also while a
    // device sequence runs); their texts dim then.
    const auto commandButton = [&](const QRect& rect, Text text) {
        CBitmapBtn* button = makeButton(rect, qText(texts[text]), kCommandNormalFile,
                                        kCommandOverFile, kCommandLeaveFile);
        button->setDisabledTextColor(kDisabledCommandText);
        return button;
    };
    m_help = windowButton(layout::kHelpButton, kHelpNormalFile, kHelpOverFile);
    m_minimise = windowButton(layout::kMinimiseButton, kMinimiseNormalFile, kMinimiseOverFile);
    m_close = windowButton(layout::kCloseButton, kCloseNormalFile, kCloseOverFile);
    m_profile = makeButton(layout::kProfileButton, qText(texts[Text::Config]), kConfigNormalFile,
                           kConfigOverFile, kConfigLeaveFile);
    m_reset = commandButton(layout::kResetButton, Text::Reset);
    m_cancel = commandButton(layout::kCancelButton, Text::Cancel);
    m_apply = commandButton(layout::kApplyButton, Text::Apply);

    connect(m_help, &CBitmapBtn::clicked, this, &CMouseConfigurationDlg::onHelp);
    connect(m_minimise, &CBitmapBtn::clicked, this, [this] {
        m_mouseView->ClearHighlight();
        showMinimized();
    });
    connect(m_close, &CBitmapBtn::clicked, this, [this] {
        m_mouseView->ClearHighlight();
        hideToTray();
    });
    connect(m_profile, &CBitmapBtn::clicked, this, &CMouseConfigurationDlg::openProfileManager);
    connect(m_reset, &CBitmapBtn::clicked, this, &CMouseConfigurationDlg::onReset);
    connect(m_cancel, &CBitmapBtn::clicked, this, &CMouseConfigurationDlg::onCancel);
    connect(m_apply, &CBitmapBtn::clicked, this, &CMouseConfigurationDlg::onApply);
}

void CMouseConfigurationDlg::createHelpMenu() {
    const Language language = m_state.texts.language();
    m_helpMenu = new CExMenu(m_font, this);
    m_helpMenu->setItemWidth(kHelpMenuItemWidth);
    m_helpMenu->appendItem(kWebPageCommand, qText(m_state.texts[Text::WebAddress]));
    m_helpMenu->appendItem(kUpdateCommand, qText(m_state.texts[Text::Update]));
    m_helpMenu->appendItem(kVersionCommand,
                           qText(MainWindowTextOf(MainWindowText::Version, language)), true);
    connect(m_helpMenu, &CExMenu::commandChosen, this, &CMouseConfigurationDlg::onHelpCommand);
}

void CMouseConfigurationDlg::connectSession() {
    connect(&m_session, &MouseSession::noticeReceived, this,
            &CMouseConfigurationDlg::showStatusNotice);
    connect(&m_session, &MouseSession::mouseArrived, this, &CMouseConfigurationDlg::onMouseArrived);
    connect(&m_session, &MouseSession::arrivalFailed, this, [this] { onMouseGone(false); });
    connect(&m_session, &MouseSession::mouseLost, this, [this] { onMouseGone(true); });
    connect(&m_session, &MouseSession::busyChanged, this, &CMouseConfigurationDlg::onBusyChanged);
    connect(&m_session, &MouseSession::defaultsRestored, this,
            &CMouseConfigurationDlg::onDefaultsRestored);
    connect(&m_session, &MouseSession::sequenceFailed, this,
            &CMouseConfigurationDlg::warnApplyFailed);
    connect(&m_session, &MouseSession::mouseInaccessible, this,
            &CMouseConfigurationDlg::warnInaccessible);
    connect(&m_tray, &TrayNotifier::restoreRequested, this,
            &CMouseConfigurationDlg::restoreFromTray);
    connect(&m_tray, &TrayNotifier::menuOpening, this, &CMouseConfigurationDlg::bringToFront);
    connect(&m_tray, &TrayNotifier::exitRequested, this, &CMouseConfigurationDlg::onExitRequested);
}

void CMouseConfigurationDlg::setVisible(bool visible) {
    if (visible && m_earlyHide > 0 && !m_session.connected()) {
        --m_earlyHide;
        QWidget::setVisible(false);
        return;
    }
    QWidget::setVisible(visible);
}

void CMouseConfigurationDlg::refreshFromBlock() {
    m_leftColumn->setSensitivity(m_state.block.byte(block::kXSensitivity),
                                 m_state.block.byte(block::kYSensitivity));
    m_mouseView->setLabelTexts(m_state.labels);
    m_panel->refreshAll();
}

void CMouseConfigurationDlg::collapseSections() {
    m_mouseView->setListExpanded(false);
    m_leftColumn->setListExpanded(false);
    m_leftColumn->setAxisExpanded(false);
}

void CMouseConfigurationDlg::sensitivityReleased(Axis axis, int position) {
    m_state.block.setByte(axis == Axis::X ? block::kXSensitivity : block::kYSensitivity,
                          static_cast<std::uint8_t>(position));
}

void CMouseConfigurationDlg::showStatusNotice(DeviceNotice notice) {
    if (const auto balloon = StatusNoticeBalloon(m_state.texts, m_state.saved, notice)) {
        m_tray.showBalloon(*balloon);
    }
}

void CMouseConfigurationDlg::restoreFromTray() {
    if (!m_session.connected() || m_session.busy()) {
        return;
    }
    centreOnScreen();
    refreshFromBlock();
    collapseSections();
    showNormal();
    raise();
    activateWindow();
}

void CMouseConfigurationDlg::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CMouseConfigurationDlg::hideToTray() {
    if (m_tray.available()) {
        hide();
    } else {
        showMinimized();
    }
}

// Raising only: taking the activation as well would close the popup menu that is opening.
void CMouseConfigurationDlg::bringToFront() {
    if (isVisible() && !isMinimized()) {
        raise();
    }
}

void CMouseConfigurationDlg::onApply() {
    m_mouseView->ClearHighlight();
    if (m_session.connected()) {
        m_session.apply();
    }
}

void CMouseConfigurationDlg::onCancel() {
    m_mouseView->ClearHighlight();
    m_state.revert();
    // The window may stay in view (minimised), so it shows the restored values at once.
    m_panel->collapseAll();
    refreshFromBlock();
    hideToTray();
}

void CMouseConfigurationDlg::onReset() {
    const Language language = m_state.texts.language();
    QMessageBox question(QMessageBox::NoIcon, qText(m_state.texts[Text::Attention]),
                         qText(m_state.texts[Text::ResetToFactoryDefault]),
                         QMessageBox::Ok | QMessageBox::Cancel, this);
    // The platform's own button texts stay where the language has none.
    auto name = [&](QMessageBox::StandardButton button, std::string_view text) {
        if (!text.empty()) {
            question.button(button)->setText(qText(text));
        }
    };
    name(QMessageBox::Ok, MainWindowTextOf(MainWindowText::Ok, language));
    name(QMessageBox::Cancel, m_state.texts[Text::Cancel]);
    question.setDefaultButton(QMessageBox::Ok);
    if (question.exec() != QMessageBox::Ok) {
        return;
    }
    m_mouseView->ClearHighlight();
    m_session.restoreDefaults();
}

void CMouseConfigurationDlg::onDefaultsRestored() {
    collapseSections();
    m_panel->collapseAll();
    refreshFromBlock();
    m_mouseView->SelectView(1);
}

CConfigDialog* CMouseConfigurationDlg::profileManager() const {
    return m_profileManager;
}

void CMouseConfigurationDlg::openProfileManager() {
    if (m_profileManager != nullptr) {
        return;
    }
    if (m_skin.image(kProfileBackgroundFile).isNull()) {
        auto* box = new QMessageBox(QMessageBox::NoIcon,
                                    QStringLiteral("Config Dialog Load background image failed!!!"),
                                    QStringLiteral("error"), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setObjectName(QStringLiteral("profileBackgroundMissing"));
        box->open();
        return;
    }
    m_mouseView->ClearHighlight();
    m_profileManager = new CConfigDialog(m_state, m_skin, this);
    connect(m_profileManager, &CConfigDialog::settingsReplaced, this,
            &CMouseConfigurationDlg::refreshFromBlock);
    connect(m_profileManager, &CConfigDialog::finished, this,
            &CMouseConfigurationDlg::onProfileChosen);
    setProfileManagerShown(true);
    m_profileManager->show();
    m_profileManager->raise();
    m_profileManager->list()->setFocus();
}

void CMouseConfigurationDlg::onProfileChosen(bool loaded) {
    m_profileManager->hide();
    m_profileManager->deleteLater();
    m_profileManager = nullptr;
    setProfileManagerShown(false);
    if (loaded) {
        refreshFromBlock();
    }
}

void CMouseConfigurationDlg::setProfileManagerShown(bool shown) {
    m_leftColumn->setCovered(shown);
    m_mouseView->setCovered(shown);
    for (CBitmapBtn* button : {m_reset, m_cancel, m_apply}) {
        button->setEnabled(!shown);
    }
}

void CMouseConfigurationDlg::onHelp() {
    m_mouseView->ClearHighlight();
    bringToFront();
    m_helpMenu->popup(QCursor::pos());
}

void CMouseConfigurationDlg::onHelpCommand(int command) {
    if (command == kWebPageCommand) {
        QDesktopServices::openUrl(QUrl(qText(m_state.texts[Text::WebAddress])));
    } else if (command == kUpdateCommand) {
        const std::filesystem::path updater = m_state.paths.folder / "Update" / "Update";
        if (QProcess::startDetached(QString::fromStdString(updater.string()), {})) {
            onExitRequested();
        } else {
            m_state.log.Write("The updater could not be started: " + updater.string());
        }
    }
}

void CMouseConfigurationDlg::onMouseArrived() {
    m_tray.addIcon();
    showStatusNotice({kNoticeArrived, 0});
    // Without a notification area there is no icon to restore the window from.
    if (!m_tray.available() && !isVisible()) {
        restoreFromTray();
    }
}

void CMouseConfigurationDlg::onMouseGone(bool lost) {
    closeOwnDialogs();
    if (lost) {
        showStatusNotice({kNoticeLost, 0});
        m_tray.removeIconAfterBalloon();
    }
    hide();
}

void CMouseConfigurationDlg::warnApplyFailed() {
    const Language language = m_state.texts.language();
    m_tray.showBalloon({std::string(MainWindowTextOf(MainWindowText::Warning, language)),
                        std::string(MainWindowTextOf(MainWindowText::ApplyFailed, language)),
                        kNoticeBalloonMs});
}

// Without access the program could only wait hidden, so it says why, once per search that hit
// the refusal, in a box of its own (the main window is hidden then).
void CMouseConfigurationDlg::warnInaccessible() {
    const Language language = m_state.texts.language();
    auto* box = new QMessageBox(
        QMessageBox::Warning, qText(m_state.texts[Text::Attention]),
        qText(MainWindowTextOf(MainWindowText::MouseInaccessible, language)), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("mouseInaccessible"));
    box->open();
}

void CMouseConfigurationDlg::closeOwnDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != this && widget->isVisible() &&
            (qobject_cast<QDialog*>(widget) != nullptr ||
             qobject_cast<QMenu*>(widget) != nullptr)) {
            widget->close();
        }
    }
}

void CMouseConfigurationDlg::onBusyChanged(bool busy) {
    m_apply->setEnabled(!busy && m_profileManager == nullptr);
    m_busy->setBusy(busy);
    if (!busy && m_exitWhenIdle) {
        emit exitRequested();
    }
}

void CMouseConfigurationDlg::onExitRequested() {
    if (m_session.busy()) {
        m_exitWhenIdle = true;
    } else {
        emit exitRequested();
    }
}

void CMouseConfigurationDlg::runMacroManager() {
    CMacroProgramDialog::run(m_skin, m_state.languageCode, m_state.paths.macroStore, m_state.log,
                             this);
}

void CMouseConfigurationDlg::runGunManager() {
    CDlgMacroGunMan::run(m_skin, m_state.languageCode, m_state.paths.macroStore, m_state.block,
                         m_state.log, this);
}

void CMouseConfigurationDlg::toggleButtonList() {
    m_mouseView->ClearHighlight();
    const bool expand = !m_mouseView->listExpanded();
    m_leftColumn->setListExpanded(expand);
    m_mouseView->setListExpanded(expand);
}

void CMouseConfigurationDlg::toggleAxisPanel() {
    m_mouseView->ClearHighlight();
    m_leftColumn->setAxisExpanded(!m_leftColumn->axisExpanded());
}

void CMouseConfigurationDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_skin.drawOver(painter, kMainBackgroundFile, rect(), Qt::black);
    m_skin.draw(painter, kLogoFile, layout::kLogo.x(), layout::kLogo.y());
    m_mouseView->paintMouseView(painter);
    painter.setPen(Qt::white);
    painter.setFont(m_font);
    m_skin.draw(painter, kLeftColumnFile, layout::kLeftColumn.x(), layout::kLeftColumn.y());
    m_skin.draw(painter, kSmallLogoFile, layout::kSmallLogo.x(), layout::kSmallLogo.y());
    if (m_mouseView->listExpanded()) {
        m_mouseView->paintPanel(painter);
    }
    m_leftColumn->paintAxisPanel(painter);
}

void CMouseConfigurationDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_mouseView->ClearHighlight();
    // The desktop moves the window where it can (always on Wayland); otherwise it follows the
    // pointer here.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CMouseConfigurationDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
}

void CMouseConfigurationDlg::mouseReleaseEvent(QMouseEvent*) {
    m_dragOffset.reset();
}

// The desktop's close (its shortcut or a taskbar menu) does what the close button does: the
// program lives on, and only the icon menu's "Exit" ends it.
void CMouseConfigurationDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_mouseView->ClearHighlight();
    hideToTray();
}

// Enter, Escape, Space and F1 never reach a control of this window, and while a device sequence
// runs no key does.
bool CMouseConfigurationDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    // The in-place editor takes the keys of the name it edits.
    if (!m_session.busy() && qobject_cast<const CLBEditorWnd*>(watched) != nullptr) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (!m_session.busy() && event->type() == QEvent::KeyPress &&
        (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        m_panel->commitEntry();
    }
    return m_session.busy() || IsSwallowedKey(key);
}

}  // namespace gx508
