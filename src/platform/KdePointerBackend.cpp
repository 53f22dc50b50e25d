// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KdePointerBackend.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <system_error>
#include <utility>

#include "core/store/IniFile.h"
#include "platform/DesktopPointer.h"

namespace gx508 {

namespace {

constexpr std::string_view kInputFile = "kcminputrc";
constexpr std::string_view kGlobalsFile = "kdeglobals";
constexpr std::string_view kMouseGroup = "Mouse";
constexpr std::string_view kGlobalsGroup = "KDE";

// notifyChange's arguments: the kind of change (settings changed) and its category (mouse).
constexpr int kSettingsChanged = 3;
constexpr int kMouseSettings = 0;

// The number as the settings files hold it, with a '.' whatever the locale.
std::string NumberText(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string BusError(const GioCalls& gio, GError* error) {
    std::string message = error != nullptr ? error->message : "unknown error";
    gio.clearError(&error);
    return message;
}

}  // namespace

KdePointerBackend::KdePointerBackend(LogSink& log, std::filesystem::path configFolder,
                                     std::string busAddress)
    : m_log(log), m_configFolder(std::move(configFolder)), m_busAddress(std::move(busAddress)) {}

KdePointerBackend::~KdePointerBackend() {
    if (m_bus != nullptr) {
        m_gio->objectUnref(m_bus);
    }
}

bool KdePointerBackend::SetPrecision(bool enhance) {
    return Write(kInputFile, kMouseGroup, "XLbInptAccelProfileFlat", enhance ? "false" : "true");
}

bool KdePointerBackend::SetSpeed(int speed) {
    return Write(kInputFile, kMouseGroup, "XLbInptPointerAcceleration",
                 NumberText(DesktopSpeed(speed)));
}

bool KdePointerBackend::SetWheel(bool page, int lines) {
    if (page) {
        if (!m_toldNoPage) {
            m_log.Write(
                "pointer settings: this desktop cannot scroll a screen per wheel notch; "
                "wheel left alone");
            m_toldNoPage = true;
        }
        return true;
    }
    return Write(kGlobalsFile, kGlobalsGroup, "WheelScrollLines", std::to_string(lines));
}

bool KdePointerBackend::SetDoubleClickTime(int milliseconds) {
    return Write(kGlobalsFile, kGlobalsGroup, "DoubleClickInterval", std::to_string(milliseconds));
}

bool KdePointerBackend::Write(std::string_view file, std::string_view group, std::string_view key,
                              std::string_view value) {
    const std::filesystem::path path = m_configFolder / file;
    std::error_code ec;
    std::filesystem::create_directories(m_configFolder, ec);
    Result<IniDocument> document = IniDocument::Read(path);
    if (!document) {
        m_log.Write("pointer settings: cannot read " + path.string() + ": " + document.message());
        return false;
    }
    if (document->Serialize().empty()) {
        // A new file starts with its group, so that its lines end as the desktop's files do.
        const std::string header = "[" + std::string(group) + "]\n";
        document = IniDocument::Parse(
            std::span(reinterpret_cast<const std::uint8_t*>(header.data()), header.size()));
    }
    if (const Status set = document->Set(group, key, value); !set) {
        m_log.Write("pointer settings: cannot set " + std::string(key) + ": " + set.message());
        return false;
    }
    if (const Status saved = document->Save(path); !saved) {
        m_log.Write("pointer settings: cannot write " + path.string() + ": " + saved.message());
        return false;
    }
    Notify();
    return true;
}

void KdePointerBackend::Notify() {
    if (!m_busTried) {
        m_busTried = true;
        std::string whyNot;
        m_gio = LoadGio(whyNot);
        if (m_gio == nullptr) {
            m_log.Write(
                "pointer settings: the session bus cannot be reached, running programs are not "
                "told of the change: " +
                whyNot);
            return;
        }
        GError* error = nullptr;
        std::string address = m_busAddress;
        if (address.empty()) {
            gchar* session = m_gio->dbusAddressGetForBusSync(G_BUS_TYPE_SESSION, nullptr, &error);
            if (session != nullptr) {
                address = session;
                m_gio->free(session);
            }
        }
        if (!address.empty()) {
            m_bus = m_gio->dbusConnectionNewForAddressSync(
                address.c_str(),
                static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                  G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                nullptr, nullptr, &error);
        }
        if (m_bus == nullptr) {
            m_log.Write(
                "pointer settings: no session bus, running programs are not told of the "
                "change: " +
                BusError(*m_gio, error));
            return;
        }
    }
    if (m_bus == nullptr) {
        return;
    }
    GError* error = nullptr;
    if (m_gio->dbusConnectionEmitSignal(
            m_bus, nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
            m_gio->variantNew("(ii)", kSettingsChanged, kMouseSettings), &error) == FALSE ||
        m_gio->dbusConnectionFlushSync(m_bus, nullptr, &error) == FALSE) {
        m_log.Write("pointer settings: the change notice was not sent: " + BusError(*m_gio, error));
    }
}

}  // namespace gx508
