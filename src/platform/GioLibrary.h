// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gio/gio.h>

#include <string>

namespace gx508 {

// The GIO calls the desktop pointer backends make, as (member, GIO function) pairs.
#define GX508_GIO_CALLS(CALL)                                                     \
    CALL(settingsSchemaSourceGetDefault, g_settings_schema_source_get_default)    \
    CALL(settingsSchemaSourceLookup, g_settings_schema_source_lookup)             \
    CALL(settingsSchemaHasKey, g_settings_schema_has_key)                         \
    CALL(settingsSchemaUnref, g_settings_schema_unref)                            \
    CALL(settingsNewFull, g_settings_new_full)                                    \
    CALL(settingsSetString, g_settings_set_string)                                \
    CALL(settingsSetDouble, g_settings_set_double)                                \
    CALL(settingsSetInt, g_settings_set_int)                                      \
    CALL(settingsSync, g_settings_sync)                                           \
    CALL(dbusAddressGetForBusSync, g_dbus_address_get_for_bus_sync)               \
    CALL(dbusConnectionNewForAddressSync, g_dbus_connection_new_for_address_sync) \
    CALL(dbusConnectionEmitSignal, g_dbus_connection_emit_signal)                 \
    CALL(dbusConnectionFlushSync, g_dbus_connection_flush_sync)                   \
    CALL(variantNew, g_variant_new)                                               \
    CALL(objectRef, g_object_ref)                                                 \
    CALL(objectUnref, g_object_unref)                                             \
    CALL(clearError, g_clear_error)                                               \
    CALL(free, g_free)

// GIO, loaded the first time a backend needs it rather than linked: only the desktops whose
// pointer settings live in GSettings, or that are told of changes on the session bus, use it,
// and a linked GIO would map itself and the libraries it brings into every run.
struct GioCalls {
#define GX508_GIO_MEMBER(member, function) decltype(&function) member = nullptr;
    GX508_GIO_CALLS(GX508_GIO_MEMBER)
#undef GX508_GIO_MEMBER
};

// The calls, loaded once per process (the library then stays loaded); null when GIO or one of
// its calls is missing, with the reason in `whyNot`.
const GioCalls* LoadGio(std::string& whyNot);

}  // namespace gx508
