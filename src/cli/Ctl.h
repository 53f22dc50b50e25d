// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "core/LogSink.h"
#include "core/device/HidTransport.h"
#include "core/device/Pacer.h"
#include "core/perf/PointerSettings.h"

namespace gx508 {

// What gx508ctl takes from its surroundings, so that tests run it in-process.
struct CtlContext {
    std::ostream& out;
    std::ostream& err;
    LogSink& log;
    // The program folder when no --folder is given; nothing when it cannot be found.
    std::optional<std::string> defaultFolder;
    // The HID backend of the real mouse (hidapi); --virtual uses the built-in virtual mouse.
    std::function<std::unique_ptr<HidBackend>()> realBackend;
    Pacer& pacer;
    PointerBackend& pointer;
    // Set when `watch` should end (Ctrl-C).
    const std::atomic<bool>& stop;
    // Called when `watch` starts: from then on SIGINT and SIGTERM set `stop` instead of ending
    // the process. Every other command keeps their usual effect.
    std::function<void()> catchStopSignals = {};
};

// Runs one gx508ctl command line (without the program name) and returns the exit status.
int RunCtl(std::span<const std::string> args, CtlContext& context);

}  // namespace gx508
