// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"

struct _XDisplay;

namespace gx508 {

// The pointer settings of an X11 session without a settings daemon, through the X server's core
// pointer control, whose acceleration factor applies to motion beyond its threshold:
// - speed w (1..20): the acceleration factor w/10 (numerator w, denominator 10), so the default
//   10 leaves motion as it is, 20 doubles it and 1 slows it to a tenth;
// - precision: the threshold, 6 pixels when on (slow, precise motion keeps its pace, as the
//   first threshold of the block's acceleration values), 1 when off (all motion alike);
// - wheel and double-click time: the X server has neither, so each is logged once.
class X11PointerBackend final : public PointerBackend {
  public:
    // Connects to the X server `display` names (the DISPLAY variable when empty); nothing when
    // it cannot.
    static std::unique_ptr<X11PointerBackend> Open(LogSink& log, const std::string& display = {});
    ~X11PointerBackend() override;
    X11PointerBackend(const X11PointerBackend&) = delete;
    X11PointerBackend& operator=(const X11PointerBackend&) = delete;

    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

  private:
    X11PointerBackend(LogSink& log, _XDisplay* display);

    LogSink& m_log;
    _XDisplay* m_display;
    bool m_toldNoWheel = false;
    bool m_toldNoDoubleClick = false;
};

}  // namespace gx508
