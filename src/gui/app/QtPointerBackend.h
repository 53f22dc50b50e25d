// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "core/LogSink.h"
#include "core/perf/PointerSettings.h"
#include "gui/app/ThreadMailbox.h"

namespace gx508 {

// The program's own windows take the wheel lines and the double-click time through Qt
// (QApplication's wheel scroll lines and double-click interval, set on the user-interface
// thread: at once when called there, queued to it otherwise); every value then goes on to the
// desktop's backend, whose answer is the call's. Qt has no screen-per-notch wheel, so that
// is logged once and the program's wheel lines are left alone.
// Made on the user-interface thread; needs the application object.
class QtPointerBackend final : public PointerBackend {
  public:
    QtPointerBackend(PointerBackend& desktop, LogSink& log);

    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

  private:
    void onGuiThread(std::function<void()> change);

    PointerBackend& m_desktop;
    LogSink& m_log;
    bool m_toldNoPage = false;
    ThreadMailbox m_mailbox;
};

}  // namespace gx508
