// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"

namespace gx508 {

// Where the desktop keeps the pointer settings the program writes.
//
// The block holds four settings; PointerValuesOf turns them into the values every backend is
// given: pointer speed s = 1..11 becomes w = 1 (s = 1) or 2s - 2 (2, 4, ..., 20; the default 6
// gives 10), enhanced precision on or off, the wheel as a line count 1..100 or one screen per
// notch, and the double-click time 970 - 70 x (double-click speed) milliseconds (900..200).
//
// Each desktop takes them as follows:
// - pointer speed w: GSettings mouse `speed` = DesktopSpeed(w); KDE kcminputrc [Mouse]
//   XLbInptPointerAcceleration = DesktopSpeed(w); X11 acceleration factor w/10.
// - enhanced precision: GSettings mouse `accel-profile` 'adaptive' when on, 'flat' when off;
//   KDE kcminputrc [Mouse] XLbInptAccelProfileFlat false when on, true when off; X11
//   threshold 6 pixels when on (slower motion keeps its pace), 1 when off (all motion alike).
// - wheel lines: KDE kdeglobals [KDE] WheelScrollLines; GSettings and X11 have none.
// - one screen per notch: no desktop has it.
// - double-click time: GSettings mouse `double-click`, KDE kdeglobals [KDE]
//   DoubleClickInterval, both in milliseconds; X11 has none.
// The GSettings schema is org.gnome.desktop.peripherals.mouse (the double-click time from
// org.gnome.settings-daemon.peripherals.mouse where the desktop schema lacks it). X11 means the
// X server's core pointer control, which has no speed of its own: its acceleration factor
// applies to motion beyond its threshold. The program's own windows also take the wheel lines
// and the double-click time through Qt (gui/app/QtPointerBackend.h). A setting the desktop does not
// have is logged once and never faked; the desktop's values are never read back.
enum class DesktopPointerKind {
    GSettings,  // GNOME and the desktops built on its settings (Unity, Budgie, Pantheon)
    Kde,        // KDE Plasma
    X11,        // any other X11 session
    None,       // nothing the program can reach (a Wayland session of another desktop)
};

// The desktop's pointer speed, -1 (slowest) to 1 (fastest) with 0 the desktop's own default,
// for the pointer speed w (1..20): (w - 10) / 10, so the default 10 keeps the desktop's default.
double DesktopSpeed(int speed);

// Picks the backend from XDG_CURRENT_DESKTOP (a colon-separated list, first known name wins),
// XDG_SESSION_TYPE and whether an X display is named.
DesktopPointerKind ChooseDesktopPointer(std::string_view currentDesktop,
                                        std::string_view sessionType, bool hasDisplay);

// The backend for the running desktop, from the environment. Falls back to the X server, then
// to a backend that only logs, when the chosen desktop's settings cannot be reached.
std::unique_ptr<PointerBackend> MakeDesktopPointerBackend(LogSink& log);

}  // namespace gx508
