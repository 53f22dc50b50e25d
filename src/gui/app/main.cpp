// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>
#include <span>

#include "gui/app/CMouseConfigurationApp.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/StartOptions.h"
#include "platform/AutostartEntry.h"
#include "platform/HeapTuning.h"

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
    gx508::SingleInstance instance;
    if (!instance.acquire()) {
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
