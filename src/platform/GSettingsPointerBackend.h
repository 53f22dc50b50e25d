// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"
#include "platform/GioLibrary.h"

namespace gx508 {

// The pointer settings of GNOME and the desktops that share its settings, through GSettings:
// - speed w (1..20): org.gnome.desktop.peripherals.mouse `speed` = (w - 10) / 10, in -1..1;
// - precision: `accel-profile` 'adaptive' when on, 'flat' when off (logged once, and left
//   alone, where the installed schema has no such key);
// - double-click time: `double-click` in milliseconds, from the same schema or, where it lacks
//   the key, org.gnome.settings-daemon.peripherals.mouse (logged once where neither has it);
// - wheel: the desktop has no wheel setting, so the wheel is logged once and left alone.
// A value the store refuses (a key locked down by the administrator) fails the call.
class GSettingsPointerBackend final : public PointerBackend {
  public:
    // Opens the mouse settings in `store` (the desktop's own store when null). Nothing when GIO
    // or the mouse schema is not installed.
    static std::unique_ptr<GSettingsPointerBackend> Open(LogSink& log,
                                                         GSettingsBackend* store = nullptr);
    ~GSettingsPointerBackend() override;
    GSettingsPointerBackend(const GSettingsPointerBackend&) = delete;
    GSettingsPointerBackend& operator=(const GSettingsPointerBackend&) = delete;

    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

  private:
    GSettingsPointerBackend(LogSink& log, const GioCalls& gio, GSettings* mouse,
                            bool hasAccelProfile, GSettings* doubleClick);
    bool Written(bool accepted, const char* key);

    LogSink& m_log;
    const GioCalls& m_gio;
    GSettings* m_mouse;
    bool m_hasAccelProfile;
    GSettings* m_doubleClick;  // the settings holding `double-click`, or null
    bool m_toldNoAccelProfile = false;
    bool m_toldNoDoubleClick = false;
    bool m_toldNoWheel = false;
};

}  // namespace gx508
