// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartOptions.h"

#include <string_view>

#include "platform/AutostartEntry.h"

namespace gx508 {

std::optional<StartOptions> ParseStartOptions(std::span<const char* const> arguments) {
    StartOptions options;
    for (const char* argument : arguments) {
        const std::string_view flag(argument);
        bool* seen = nullptr;
        if (flag == "--virtual-mouse") {
            seen = &options.virtualMouse;
        } else if (flag == kAutostartFlag) {
            seen = &options.autostart;
        }
        if (seen == nullptr || *seen) {
            return std::nullopt;
        }
        *seen = true;
    }
    return options;
}

const char* StartOptionsUsage() {
    return "usage: gx508 [--virtual-mouse] [--autostart]\n"
           "  --virtual-mouse  run on the built-in virtual mouse: the wire trace and the\n"
           "                   balloons go to standard output, commands (notice KIND\n"
           "                   VALUE, unplug, plug) come from standard input\n"
           "  --autostart      the start at login: no splash, straight to the notification\n"
           "                   area (the autostart entry that \"Start at login\" writes uses it)\n";
}

}  // namespace gx508
