// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <span>

#include "gui/app/CMouseConfigurationApp.h"
#include "gui/app/StartOptions.h"
#include "platform/AutostartEntry.h"
#include "platform/HeapTuning.h"
#include "platform/SingleInstance.h"

namespace {

// Where the single-instance lock lives: the user's runtime folder ($XDG_RUNTIME_DIR, or the
// private stand-in Qt makes for it), else the temporary folder.
std::filesystem::path LockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<gx508::StartOptions> options =
        gx508::ParseStartOptions(std::span<const char* const>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(gx508::StartOptionsUsage(), stderr);
        return 2;
    }
    gx508::ReturnLargeBuffersToTheSystem();
    QApplication app(argc, argv);
    // Wayland desktops match the window to the installed desktop entry (its icon and name) by
    // this id; X11 desktops use the window class, which is the executable's name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(gx508::ApplicationId()));
    // The program lives on in the notification area with no window shown; only "Exit" ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    gx508::SingleInstance instance(LockFolder());
    const gx508::Result<bool> acquired = instance.acquire();
    if (!acquired) {
        std::fprintf(stderr, "gx508: cannot take the single-instance lock: %s\n",
                     acquired.message().c_str());
        return 1;
    }
    if (!*acquired) {
        // Another copy runs: it is the one the user meets.
        return 0;
    }
    gx508::CMouseConfigurationApp program(
        options->virtualMouse ? gx508::DeviceMode::Virtual : gx508::DeviceMode::Real,
        options->autostart ? gx508::StartKind::Autostart : gx508::StartKind::Normal);
    if (!program.start()) {
        return 1;
    }
    return QApplication::exec();
}
