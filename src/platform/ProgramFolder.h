// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "core/Status.h"

namespace gx508 {

// Where the program keeps its files and finds its skin.
struct ProgramFolder {
    std::filesystem::path files;  // settings files, inis, record.ini
    std::filesystem::path skins;  // the "Skins" folder
};

// What the lookup depends on, so that tests can choose every input.
struct ProgramFolderInputs {
    std::filesystem::path executableDir;
    std::string xdgConfigHome;       // empty when unset
    std::string home;                // empty when unset
    std::filesystem::path shareDir;  // installed base files and Skins/
};

// A portable run (the executable's folder holds Skins/ and is writable) keeps everything
// beside the executable. An installed run keeps its files in $XDG_CONFIG_HOME/gx508 (default
// ~/.config/gx508), copies each missing base file there from the share folder, and reads the
// skin from the share folder. Base files already present are never overwritten.
Result<ProgramFolder> LocateProgramFolder(const ProgramFolderInputs& inputs);

// The inputs of this process: /proc/self/exe, the environment and the configured share folder.
ProgramFolderInputs CurrentProgramFolderInputs();

// The base files the build ships and a first run copies.
inline constexpr const char* kBaseFiles[] = {"config.bin", "config0.bin",   "config1.bin",
                                             "str.ini",    "strGaming.ini", "str0.ini",
                                             "str1.ini",   "record.ini"};

}  // namespace gx508
