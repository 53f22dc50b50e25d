// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

#include "core/Status.h"
#include "core/store/IniFile.h"
#include "core/store/SharedState.h"

namespace gx508 {

// A settings file: the first-run byte (always written as 1) and the raw settings block.
inline constexpr std::size_t kSettingsFileSize = 1 + block::kSize;

std::filesystem::path ProfileSettingsFile(const SharedState& state, int profile);  // config%d.bin
std::filesystem::path ProfileSettingsIni(const SharedState& state, int profile);   // str%d.ini

// The start-up and arrival load. Normally it finds the current profile by name in the profile
// list of str.ini and reads that profile's settings file; a profile list without a usable
// count (no number, or not 1..6) loads nothing. While the defaults-restored flag is set it
// reads the base files instead: config.bin, and strGaming.ini (gaming profile) or str.ini.
void LoadProfileSettings(SharedState& state);

// Reads config%d.bin and chooses str%d.ini for a profile picked in the profile manager.
void LoadProfile(SharedState& state, int profile);

// Writes config%d.bin of the current profile (atomically) and chooses str%d.ini. A failure is
// logged with the system's error code and returned; the previous file stays whole. A settings
// file that the last load found but could not read is not replaced: the save fails with the
// read's error code.
Status SaveProfileSettings(SharedState& state);

// Writes a settings file of the block to `path` (atomically), with the logs of
// SaveProfileSettings, without choosing it as the current settings file.
Status WriteSettingsFile(const SharedState& state, const std::filesystem::path& path);

// Reads the labels, the unused [Skins] and [Point] values and the gun names from the settings
// ini (default: the current one). Missing keys read as empty texts.
void ReadSettingsIni(SharedState& state,
                     const std::optional<std::filesystem::path>& ini = std::nullopt);
// The same from a settings ini already read.
void ReadSettingsIniDocument(SharedState& state, const IniDocument& doc);

// Writes the twelve labels under the current language's label section and the four gun names
// under every "Key0".."Key11" section, in one atomic write of the settings ini (default: the
// current one). With no language selected there is no label section and only the gun names
// are written.
Status WriteSettingsIniItems(const SharedState& state,
                             const std::optional<std::filesystem::path>& ini = std::nullopt);

// What the program does at start, before any window: reset the slot fields, load the current
// profile, take the save point, select the language and read the settings ini. The language
// code is key "Lan" of [Skins] in the current settings ini, or in str.ini when that ini has no
// such key (an ini the program wrote for a new profile).
void StartupLoad(SharedState& state);

}  // namespace gx508
