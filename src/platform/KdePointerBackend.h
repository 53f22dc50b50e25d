// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"
#include "platform/GioLibrary.h"

namespace gx508 {

// The pointer settings of KDE Plasma, in its settings files under the config folder
// ($XDG_CONFIG_HOME, by default ~/.config):
// - speed w (1..20): kcminputrc [Mouse] XLbInptPointerAcceleration = (w - 10) / 10, in -1..1;
// - precision: kcminputrc [Mouse] XLbInptAccelProfileFlat = false when on (adaptive), true
//   when off (flat);
// - wheel lines: kdeglobals [KDE] WheelScrollLines = the line count; one screen per notch has
//   no key, so it is logged once and the lines are left alone;
// - double-click time: kdeglobals [KDE] DoubleClickInterval = the milliseconds.
// Each file is rewritten atomically with only that key's line changed (a missing key is added
// at the end of its group, a missing group or file is made); a file that cannot be read or
// written fails the call. After each change the desktop is told on the session bus
// (org.kde.KGlobalSettings.notifyChange on /KGlobalSettings: settings changed, mouse), so
// running programs read the files again; without a session bus that is logged once and the
// call still succeeds.
class KdePointerBackend final : public PointerBackend {
  public:
    // `busAddress` is the D-Bus the notice goes to; empty means the session bus.
    KdePointerBackend(LogSink& log, std::filesystem::path configFolder,
                      std::string busAddress = {});
    ~KdePointerBackend() override;
    KdePointerBackend(const KdePointerBackend&) = delete;
    KdePointerBackend& operator=(const KdePointerBackend&) = delete;

    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

  private:
    bool Write(std::string_view file, std::string_view group, std::string_view key,
               std::string_view value);
    void Notify();

    LogSink& m_log;
    std::filesystem::path m_configFolder;
    std::string m_busAddress;
    const GioCalls* m_gio = nullptr;  // loaded with the first notice
    GDBusConnection* m_bus = nullptr;
    bool m_busTried = false;
    bool m_toldNoPage = false;
};

}  // namespace gx508
