// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GSettingsPointerBackend.h"

#include <string>

#include "platform/DesktopPointer.h"

namespace gx508 {

namespace {

constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kDaemonMouseSchema = "org.gnome.settings-daemon.peripherals.mouse";
constexpr const char* kDoubleClickKey = "double-click";

// The installed schema `id`, or null; the caller unrefs it.
GSettingsSchema* LookupSchema(const GioCalls& gio, const char* id) {
    GSettingsSchemaSource* source = gio.settingsSchemaSourceGetDefault();
    return source == nullptr ? nullptr : gio.settingsSchemaSourceLookup(source, id, TRUE);
}

}  // namespace

std::unique_ptr<GSettingsPointerBackend> GSettingsPointerBackend::Open(LogSink& log,
                                                                       GSettingsBackend* store) {
    std::string whyNot;
    const GioCalls* loaded = LoadGio(whyNot);
    if (loaded == nullptr) {
        log.Write("pointer settings: GSettings cannot be reached: " + whyNot);
        return nullptr;
    }
    const GioCalls& gio = *loaded;
    GSettingsSchema* schema = LookupSchema(gio, kMouseSchema);
    if (schema == nullptr) {
        log.Write(std::string("pointer settings: the GSettings schema ") + kMouseSchema +
                  " is not installed");
        return nullptr;
    }
    const bool hasAccelProfile = gio.settingsSchemaHasKey(schema, "accel-profile") != FALSE;
    const bool hasDoubleClick = gio.settingsSchemaHasKey(schema, kDoubleClickKey) != FALSE;
    GSettings* mouse = gio.settingsNewFull(schema, store, nullptr);
    gio.settingsSchemaUnref(schema);

    GSettings* doubleClick = nullptr;
    if (hasDoubleClick) {
        doubleClick = static_cast<GSettings*>(gio.objectRef(mouse));
    } else if (GSettingsSchema* daemon = LookupSchema(gio, kDaemonMouseSchema)) {
        if (gio.settingsSchemaHasKey(daemon, kDoubleClickKey) != FALSE) {
            doubleClick = gio.settingsNewFull(daemon, store, nullptr);
        }
        gio.settingsSchemaUnref(daemon);
    }
    return std::unique_ptr<GSettingsPointerBackend>(
        new GSettingsPointerBackend(log, gio, mouse, hasAccelProfile, doubleClick));
}

GSettingsPointerBackend::GSettingsPointerBackend(LogSink& log, const GioCalls& gio,
                                                 GSettings* mouse, bool hasAccelProfile,
                                                 GSettings* doubleClick)
    : m_log(log),
      m_gio(gio),
      m_mouse(mouse),
      m_hasAccelProfile(hasAccelProfile),
      m_doubleClick(doubleClick) {}

GSettingsPointerBackend::~GSettingsPointerBackend() {
    if (m_doubleClick != nullptr) {
        m_gio.objectUnref(m_doubleClick);
    }
    m_gio.objectUnref(m_mouse);
}

bool GSettingsPointerBackend::Written(bool accepted, const char* key) {
    if (!accepted) {
        m_log.Write(std::string("pointer settings: GSettings refused ") + key);
        return false;
    }
    m_gio.settingsSync();
    return true;
}

bool GSettingsPointerBackend::SetPrecision(bool enhance) {
    if (!m_hasAccelProfile) {
        if (!m_toldNoAccelProfile) {
            m_log.Write(
                "pointer settings: this desktop has no acceleration profile; precision "
                "left alone");
            m_toldNoAccelProfile = true;
        }
        return true;
    }
    return Written(m_gio.settingsSetString(m_mouse, "accel-profile", enhance ? "adaptive" : "flat"),
                   "accel-profile");
}

bool GSettingsPointerBackend::SetSpeed(int speed) {
    return Written(m_gio.settingsSetDouble(m_mouse, "speed", DesktopSpeed(speed)), "speed");
}

bool GSettingsPointerBackend::SetWheel(bool, int) {
    if (!m_toldNoWheel) {
        m_log.Write("pointer settings: this desktop has no wheel scroll setting; wheel left alone");
        m_toldNoWheel = true;
    }
    return true;
}

bool GSettingsPointerBackend::SetDoubleClickTime(int milliseconds) {
    if (m_doubleClick == nullptr) {
        if (!m_toldNoDoubleClick) {
            m_log.Write("pointer settings: this desktop has no double-click time; left alone");
            m_toldNoDoubleClick = true;
        }
        return true;
    }
    return Written(m_gio.settingsSetInt(m_doubleClick, kDoubleClickKey, milliseconds),
                   kDoubleClickKey);
}

}  // namespace gx508
