// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <malloc.h>

#include <cstdio>
#include <span>

#include "gui/app/CMouseConfigurationApp.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/StartOptions.h"
#include "platform/AutostartEntry.h"

namespace {

// The C library's default threshold for mapping a buffer on its own.
constexpr int kOwnMappingBytes = 128 * 1024;

}  // namespace

int main(int argc, char** argv) {
    const std::optional<gx508::StartOptions> options =
        gx508::ParseStartOptions(std::span<const char* const>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(gx508::StartOptionsUsage(), stderr);
        return 2;
    }
    // Decoded skin images and off-screen frames are large buffers, many of them short-lived. By
    // default the C library raises its threshold for mapping a buffer on its own each time such
    // a buffer is freed, after which the next ones come from the heap and the room they leave
    // stays with the process. A fixed threshold maps each of them and returns it when freed.
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
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
