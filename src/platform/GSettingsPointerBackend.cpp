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
GSettingsSchema* LookupSchema(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source == nullptr ? nullptr : g_settings_schema_source_lookup(source, id, TRUE);
}

}  // namespace

std::unique_ptr<GSettingsPointerBackend> GSettingsPointerBackend::Open(LogSink& log,
                                                                       GSettingsBackend* store) {
    GSettingsSchema* schema = LookupSchema(kMouseSchema);
    if (schema == nullptr) {
        log.Write(std::string("pointer settings: the GSettings schema ") + kMouseSchema +
                  " is not installed");
        return nullptr;
    }
    const bool hasAccelProfile = g_settings_schema_has_key(schema, "accel-profile") != FALSE;
    const bool hasDoubleClick = g_settings_schema_has_key(schema, kDoubleClickKey) != FALSE;
    GSettings* mouse = g_settings_new_full(schema, store, nullptr);
    g_settings_schema_unref(schema);

    GSettings* doubleClick = nullptr;
    if (hasDoubleClick) {
        doubleClick = G_SETTINGS(g_object_ref(mouse));
    } else if (GSettingsSchema* daemon = LookupSchema(kDaemonMouseSchema)) {
        if (g_settings_schema_has_key(daemon, kDoubleClickKey) != FALSE) {
            doubleClick = g_settings_new_full(daemon, store, nullptr);
        }
        g_settings_schema_unref(daemon);
    }
    return std::unique_ptr<GSettingsPointerBackend>(
        new GSettingsPointerBackend(log, mouse, hasAccelProfile, doubleClick));
}

GSettingsPointerBackend::GSettingsPointerBackend(LogSink& log, GSettings* mouse,
                                                 bool hasAccelProfile, GSettings* doubleClick)
    : m_log(log), m_mouse(mouse), m_hasAccelProfile(hasAccelProfile), m_doubleClick(doubleClick) {}

GSettingsPointerBackend::~GSettingsPointerBackend() {
    if (m_doubleClick != nullptr) {
        g_object_unref(m_doubleClick);
    }
    g_object_unref(m_mouse);
}

bool GSettingsPointerBackend::Written(bool accepted, const char* key) {
    if (!accepted) {
        m_log.Write(std::string("pointer settings: GSettings refused ") + key);
        return false;
    }
    g_settings_sync();
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
    return Written(g_settings_set_string(m_mouse, "accel-profile", enhance ? "adaptive" : "flat"),
                   "accel-profile");
}

bool GSettingsPointerBackend::SetSpeed(int speed) {
    return Written(g_settings_set_double(m_mouse, "speed", DesktopSpeed(speed)), "speed");
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
    return Written(g_settings_set_int(m_doubleClick, kDoubleClickKey, milliseconds),
                   kDoubleClickKey);
}

}  // namespace gx508
