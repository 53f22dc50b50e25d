// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CMouseConfigurationApp.h"

#include <QAction>
#include <QApplication>
#include <QImage>

#include <unistd.h>

#include <cstdio>

#include "core/device/VirtualMouse.h"
#include "core/device/WireTrace.h"
#include "core/gun/BuiltInGunMacros.h"
#include "core/i18n/FontRule.h"
#include "core/i18n/MainWindowTexts.h"
#include "core/store/SettingsFiles.h"
#include "core/store/SharedState.h"
#include "gui/app/CDlgSplash.h"
#include "gui/app/CMouseConfigurationDlg.h"
#include "gui/app/HotplugWatcher.h"
#include "gui/app/MouseSession.h"
#include "gui/app/TrayNotifier.h"
#include "gui/app/VirtualMouseConsole.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "platform/HidapiBackend.h"

namespace gx508 {

CMouseConfigurationApp::CMouseConfigurationApp(DeviceMode mode, StartKind start)
    : m_mode(mode), m_start(start), m_autostart(CurrentAutostartEntry()) {
    connect(&m_termination, &TerminationWatcher::terminationRequested, this,
            &CMouseConfigurationApp::terminate);
}

CMouseConfigurationApp::~CMouseConfigurationApp() = default;

bool CMouseConfigurationApp::start() {
    Result<ProgramFolder> located = LocateProgramFolder(CurrentProgramFolderInputs());
    if (!located) {
        std::fprintf(stderr, "gx508: cannot use the program folder: %s\n",
                     located.message().c_str());
        return false;
    }
    m_folder = std::move(*located);
    m_skin = std::make_unique<Skin>(QString::fromStdString(m_folder.skins.string()));
    m_state = std::make_unique<SharedState>(m_folder.files, m_log);
    if (m_start == StartKind::Autostart) {
        buildMainWindow();
        showMainWindow();
        return true;
    }
    m_splash = std::make_unique<CDlgSplash>(*m_skin);
    // The window is built while the splash waits, so that it follows the splash at once.
    connect(m_splash.get(), &CDlgSplash::pictureShown, this, [this] {
        if (!m_window) {
            buildMainWindow();
        }
    });
    connect(m_splash.get(), &QDialog::finished, this, [this] {
        m_splash.release()->deleteLater();
        if (!m_window) {
            buildMainWindow();
        }
        showMainWindow();
    });
    m_splash->start();
    return true;
}

void CMouseConfigurationApp::buildMainWindow() {
    TraceSink trace;
    Pacer* pacer = &m_sleepingPacer;
    if (m_mode == DeviceMode::Virtual) {
        auto mouse = std::make_unique<VirtualMouse>();
        m_virtualMouse = mouse.get();
        m_backend = std::move(mouse);
        trace = [this](const std::string& line) { m_console.writeLine(line); };
        m_tracingPacer = std::make_unique<TracingPacer>(m_sleepingPacer, trace);
        pacer = m_tracingPacer.get();
    } else {
        m_backend = std::make_unique<HidapiBackend>(m_log);
    }
    m_desktopPointer = MakeDesktopPointerBackend(m_log);
    m_pointer = std::make_unique<QtPointerBackend>(*m_desktopPointer, m_log);
    m_session = std::make_unique<MouseSession>(*m_state, *m_backend, *pacer, *m_pointer, trace);
    m_session->connectAtStartup();
    StartupLoad(*m_state);
    // A macro store without a gun macro list offers the built-in gun macros under these names.
    if (const Status seeded = SeedBuiltInGunMacroNames(m_state->paths.macroStore,
                                                       BuiltInGunMacroNames(m_state->texts));
        !seeded) {
        m_log.Write("Gun macro names not seeded: " + seeded.message() + "\n");
    }

    const LanguageTable& texts = m_state->texts;
    m_tray = std::make_unique<TrayNotifier>(
        CMouseConfigurationDlg::programIcon(*m_skin), qText(texts[Text::Gx508GamingMouse]),
        qText(texts[Text::Exit]),
        mappedFont(qText(FontFace(m_state->languageCode)), kMainFontHeight));
    m_tray->addStartAtLogin(qText(MainWindowTextOf(MainWindowText::StartAtLogin, texts.language())),
                            AutostartEnabled(m_autostart));
    connect(m_tray.get(), &TrayNotifier::startAtLoginToggled, this,
            &CMouseConfigurationApp::setStartAtLogin);
    if (m_mode == DeviceMode::Virtual) {
        m_tray->setEcho([this](const Balloon& balloon) {
            m_console.writeLine("BALLOON " + balloon.title + ": " + balloon.text);
        });
    }
    m_window = std::make_unique<CMouseConfigurationDlg>(*m_state, *m_session, *m_tray, *m_skin);
    if (m_start == StartKind::Normal) {
        // Painted once off screen while the splash waits: the images and texts of the first
        // frame are ready when the window appears.
        QImage firstFrame(m_window->size(), QImage::Format_RGB32);
        m_window->render(&firstFrame);
        // Its window on the display is made now too, so that showing it only maps it.
        m_window->winId();
    }
    connect(m_window.get(), &CMouseConfigurationDlg::exitRequested, this,
            &CMouseConfigurationApp::shutdown);

    if (m_mode == DeviceMode::Virtual) {
        m_commands = std::make_unique<VirtualMouseConsole>(*m_virtualMouse, STDIN_FILENO);
        connect(m_commands.get(), &VirtualMouseConsole::plugged, m_session.get(),
                &MouseSession::deviceArrived);
        connect(m_commands.get(), &VirtualMouseConsole::unplugged, m_session.get(),
                &MouseSession::deviceRemoved);
    } else {
        m_hotplug = std::make_unique<HotplugWatcher>(m_log);
        connect(m_hotplug.get(), &HotplugWatcher::arrived, m_session.get(),
                &MouseSession::deviceArrived);
        connect(m_hotplug.get(), &HotplugWatcher::removed, m_session.get(),
                &MouseSession::deviceRemoved);
    }
}

void CMouseConfigurationApp::showMainWindow() {
    if (m_start == StartKind::Autostart) {
        m_window->hideToTray();
    } else {
        m_window->show();
    }
}

void CMouseConfigurationApp::setStartAtLogin(bool enabled) {
    const Status written = enabled ? EnableAutostart(m_autostart) : DisableAutostart(m_autostart);
    if (!written) {
        m_log.Write("Start at login could not be changed: " + written.message());
    }
    // The item shows what the session will do, whatever the write achieved.
    m_tray->startAtLoginItem()->setChecked(AutostartEnabled(m_autostart));
}

// The event loop ends without asking the windows to close: the main window would refuse and hide
// instead. The window and the device link then go with this object.
void CMouseConfigurationApp::shutdown() {
    m_tray->removeIcon();
    m_window->hide();
    QCoreApplication::exit(0);
}

void CMouseConfigurationApp::terminate() {
    if (m_tray) {
        // The icon menu's "Exit", which waits for a running device sequence to end.
        emit m_tray->exitRequested();
    } else {
        // The splash, which does not close on request either, is all there is yet.
        QCoreApplication::exit(0);
    }
}

}  // namespace gx508
