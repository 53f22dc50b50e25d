#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "core/LogSink.h"

namespace gx508 {

// What gx508ctl takes from its surroundings, so that tests run it in-process.
struct CtlContext {
    std::ostream& out;
    std::ostream& err;
    LogSink& log;
    // The program folder when no --folder is given; nothing when it cannot be found.
    std::optional<std::string> defaultFolder;
};

// Runs one gx508ctl command line (without the program name) and returns the exit status.
int RunCtl(std::span<const std::string> args, CtlContext& context);

}  // namespace gx508
