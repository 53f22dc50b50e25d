// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

#include "core/device/Pacer.h"
#include "core/perf/PointerSettings.h"
#include "gui/app/ConsoleOutput.h"
#include "gui/app/QtPointerBackend.h"
#include "gui/app/TerminationWatcher.h"
#include "platform/AutostartEntry.h"
#include "platform/DebugLog.h"
#include "platform/DesktopPointer.h"
#include "platform/ProgramFolder.h"

namespace gx508 {

class CDlgSplash;
class CMouseConfigurationDlg;
class HidBackend;
class HotplugWatcher;
class MouseSession;
class Skin;
class TracingPacer;
class TrayNotifier;
class VirtualMouse;
class VirtualMouseConsole;
struct SharedState;

// Which mouse the program talks to.
enum class DeviceMode {
    Real,     // the GX508 through hidraw, with udev hotplug
    Virtual,  // the built-in virtual mouse, driven from standard input, traced on standard output
};

// How the program was started.
enum class StartKind {
    Normal,     // the splash, then the window
    Autostart,  // by the session at login: no splash, and the window stays in the tray
};

// The application object: owns the program-wide state, the device side and the main window,
// and runs the start-up: the splash, and while it shows the connection, the settings load and
// the window, which appears when the splash ends.
// SIGTERM and SIGINT end it as the icon menu's "Exit" does.
class CMouseConfigurationApp : public QObject {
    Q_OBJECT

  public:
    explicit CMouseConfigurationApp(DeviceMode mode, StartKind start = StartKind::Normal);
    ~CMouseConfigurationApp() override;

    // Finds the program folder and shows the splash; the main window follows when the splash
    // ends (at once, hidden in the tray, for an autostart). False (with the reason on standard
    // error) when the program folder cannot be used.
    bool start();

  private:
    // The connection, the settings load and the window, not yet shown.
    void buildMainWindow();
    void showMainWindow();
    // The icon menu's "Exit" or the updater's start: ends the program whatever the window's
    // state.
    void shutdown();
    void setStartAtLogin(bool enabled);
    void terminate();

    DeviceMode m_mode;
    StartKind m_start;
    TerminationWatcher m_termination;
    AutostartEntry m_autostart;
    DebugLog m_log;
    ConsoleOutput m_console;
    SleepingPacer m_sleepingPacer;
    // Made with the window, not before the splash: reaching the desktop's settings takes time.
    std::unique_ptr<PointerBackend> m_desktopPointer;
    std::unique_ptr<QtPointerBackend> m_pointer;
    ProgramFolder m_folder;
    std::unique_ptr<Skin> m_skin;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<HidBackend> m_backend;
    VirtualMouse* m_virtualMouse = nullptr;  // m_backend in virtual mode
    std::unique_ptr<TracingPacer> m_tracingPacer;
    std::unique_ptr<MouseSession> m_session;
    std::unique_ptr<TrayNotifier> m_tray;
    std::unique_ptr<CMouseConfigurationDlg> m_window;
    std::unique_ptr<HotplugWatcher> m_hotplug;
    std::unique_ptr<VirtualMouseConsole> m_commands;
    std::unique_ptr<CDlgSplash> m_splash;
};

}  // namespace gx508
