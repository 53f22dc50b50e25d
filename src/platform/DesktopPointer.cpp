// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopPointer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/GSettingsPointerBackend.h"
#include "platform/KdePointerBackend.h"
#include "platform/X11PointerBackend.h"

namespace gx508 {

namespace {

// Desktops whose pointer settings live in org.gnome.desktop.peripherals.mouse.
constexpr std::array<std::string_view, 6> kGSettingsDesktops = {
    "GNOME", "GNOME-Classic", "GNOME-Flashback", "Unity", "Budgie", "Pantheon"};

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config.
std::filesystem::path ConfigFolder() {
    const std::filesystem::path configured = Variable("XDG_CONFIG_HOME");
    if (configured.is_absolute()) {
        return configured;
    }
    return std::filesystem::path(Variable("HOME")) / ".config";
}

std::unique_ptr<PointerBackend> FromX11OrLog(LogSink& log, bool hasDisplay) {
    if (hasDisplay) {
        if (auto x11 = X11PointerBackend::Open(log)) {
            return x11;
        }
    }
    log.Write("pointer settings: no desktop settings within reach; the values are only logged");
    return std::make_unique<LoggingPointerBackend>(log);
}

}  // namespace

double DesktopSpeed(int speed) {
    return std::clamp((speed - 10) / 10.0, -1.0, 1.0);
}

DesktopPointerKind ChooseDesktopPointer(std::string_view currentDesktop,
                                        std::string_view sessionType, bool hasDisplay) {
    while (!currentDesktop.empty()) {
        const std::size_t colon = currentDesktop.find(':');
        const std::string_view name = currentDesktop.substr(0, colon);
        if (name == "KDE") {
            return DesktopPointerKind::Kde;
        }
        if (std::find(kGSettingsDesktops.begin(), kGSettingsDesktops.end(), name) !=
            kGSettingsDesktops.end()) {
            return DesktopPointerKind::GSettings;
        }
        currentDesktop =
            colon == std::string_view::npos ? std::string_view() : currentDesktop.substr(colon + 1);
    }
    return hasDisplay && sessionType != "wayland" ? DesktopPointerKind::X11
                                                  : DesktopPointerKind::None;
}

std::unique_ptr<PointerBackend> MakeDesktopPointerBackend(LogSink& log) {
    const bool hasDisplay = !Variable("DISPLAY").empty();
    const std::string sessionType = Variable("XDG_SESSION_TYPE");
    switch (ChooseDesktopPointer(Variable("XDG_CURRENT_DESKTOP"), sessionType, hasDisplay)) {
        case DesktopPointerKind::GSettings:
            if (auto gsettings = GSettingsPointerBackend::Open(log)) {
                return gsettings;
            }
            return FromX11OrLog(log, hasDisplay && sessionType != "wayland");
        case DesktopPointerKind::Kde:
            return std::make_unique<KdePointerBackend>(log, ConfigFolder());
        case DesktopPointerKind::X11:
            return FromX11OrLog(log, true);
        case DesktopPointerKind::None:
            break;
    }
    return FromX11OrLog(log, false);
}

}  // namespace gx508
