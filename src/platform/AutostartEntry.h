// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Status.h"

namespace gx508 {

// The argument the autostart entry starts the desktop program with.
inline constexpr std::string_view kAutostartFlag = "--autostart";

// The desktop's name for the program: the installed desktop entry and metainfo file are named
// after it, and so is the autostart entry; on Wayland it is the window's app id.
std::string_view ApplicationId();

// The user's XDG autostart entry for this program, which makes the session start it at login.
struct AutostartEntry {
    // $XDG_CONFIG_HOME/autostart/<id>.desktop (XDG_CONFIG_HOME defaults to ~/.config); empty
    // when neither a usable XDG_CONFIG_HOME nor HOME is set.
    std::filesystem::path file;
    std::filesystem::path executable;  // the program the entry starts
};

// The entry for the given environment values (empty when unset) and program.
AutostartEntry AutostartEntryFor(std::string_view xdgConfigHome, std::string_view home,
                                 std::filesystem::path executable);

// The entry of this process: its environment and /proc/self/exe.
AutostartEntry CurrentAutostartEntry();

// The entry's text: a desktop entry that runs `executable` with kAutostartFlag, the path
// quoted and escaped as desktop entries require.
std::string AutostartEntryText(const std::filesystem::path& executable);

// Whether the session will start the program: the file holds a desktop entry that the user has
// not switched off (Hidden=true, or X-GNOME-Autostart-enabled=false as GNOME's settings write).
bool AutostartEnabled(const AutostartEntry& entry);

// Writes the entry atomically, creating the autostart folder when needed.
Status EnableAutostart(const AutostartEntry& entry);

// Removes the entry; an entry that is already gone is no error.
Status DisableAutostart(const AutostartEntry& entry);

}  // namespace gx508
