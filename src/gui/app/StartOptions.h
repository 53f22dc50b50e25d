// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>

namespace gx508 {

// What the desktop program's command line asks for.
struct StartOptions {
    bool virtualMouse = false;  // --virtual-mouse: the built-in virtual mouse, traced
    bool autostart = false;     // --autostart: started by the session, straight to the tray
};

// The options of the arguments after the program name: each flag at most once, in any order;
// nothing for anything else.
std::optional<StartOptions> ParseStartOptions(std::span<const char* const> arguments);

// The usage text printed for a command line that ParseStartOptions refuses.
const char* StartOptionsUsage();

}  // namespace gx508
