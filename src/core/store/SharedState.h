// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/LogSink.h"
#include "core/i18n/LanguageTable.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

// The files of the program folder that the current operation uses.
struct SettingsPaths {
    std::filesystem::path folder;        // the program folder
    std::filesystem::path settingsFile;  // the settings file last chosen by a load or save
    std::filesystem::path settingsIni;   // the ini ReadSettingsIni and WriteSettingsIniItems use
    std::filesystem::path profileList;   // "str.ini"
    std::filesystem::path macroStore;    // "record.ini"
};

// Values the settings ini may hold that the program reads and makes no use of.
struct UnusedIniValues {
    std::string red, green, blue, skinPath;  // [Skins] RColor, GColor, BColor, Path
    std::array<std::string, 4> point;        // [Point] SensitivityX_Y .. MouseSpeed_Y
};

inline constexpr int kLabelCount = 12;   // "Item1".."Item12": labels of buttons 0..11
inline constexpr int kGunNameCount = 4;  // "Gun0".."Gun3"

// The program-wide records, owned by the application (or gx508ctl, or a test) and passed by
// reference to every operation. There is no other mutable program-wide state.
struct SharedState {
    SharedState(std::filesystem::path programFolder, LogSink& logSink);

    SettingsBlock block;  // what the pages edit
    SettingsBlock saved;  // the block as last loaded at start-up or last applied
    DeviceBuffer device{};
    int currentProfile = 0;  // position 0..5 in the profile list
    SettingsPaths paths;
    std::uint8_t firstRunFlag = 0;  // the byte last read from a settings file
    bool defaultsRestored = false;  // set while Restore defaults loads the base files
    // A settings file that is there but could not be read when it was last loaded, and the
    // system's error code (empty path when the last load read its file or found none). Saves
    // refuse to replace it, so the settings it holds are not lost to the ones in memory.
    std::filesystem::path unreadSettingsFile;
    int unreadSettingsCode = 0;
    std::array<std::string, kGunNameCount> gunNames;
    std::array<std::string, kLabelCount> labels;  // function label of button index 0..11
    std::array<std::string, 2> extraLabels;       // "Item13", "Item14": kept, not shown
    UnusedIniValues unusedIni;
    std::string languageCode;
    LanguageTable texts;
    LogSink& log;

    // The save point: the block becomes the saved block.
    void savePoint() { saved = block; }
    // Discards unapplied edits: the saved block comes back.
    void revert() { block = saved; }
};

}  // namespace gx508
