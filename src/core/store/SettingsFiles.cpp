// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SettingsFiles.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>
#include <vector>

#include "core/store/AtomicFile.h"
#include "core/store/BlockDefaults.h"
#include "core/store/FileBytes.h"
#include "core/store/IniFile.h"
#include "core/store/LeadingNumber.h"
#include "core/store/SelectLanguage.h"

namespace gx508 {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxProfiles = 6;
constexpr int kKeySections = 12;
constexpr std::array<const char*, 4> kPointKeys = {"SensitivityX_Y", "SensitivityY_Y",
                                                   "Sensitivity_Y", "MouseSpeed_Y"};

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

void RefreshPaths(SharedState& state) {
    state.paths.profileList = state.paths.folder / "str.ini";
    state.paths.macroStore = state.paths.folder / "record.ini";
}

// Reads a settings file over the start of the block: as many bytes as the file holds, at most
// the whole block. A missing file or one that cannot be opened leaves the block unchanged; one
// that cannot be opened is remembered, so that no save replaces it.
void ReadSettingsFile(SharedState& state, const char* missingLine) {
    const Result<std::vector<std::uint8_t>> file =
        ReadFileBytes(state.paths.settingsFile, kSettingsFileSize);
    const bool unread = !file && file.code() != ENOENT;
    state.unreadSettingsFile = unread ? state.paths.settingsFile : fs::path();
    state.unreadSettingsCode = unread ? file.code() : 0;
    if (!file) {
        state.log.Write(unread ? "Config file cannot be opened.\n" : missingLine);
        return;
    }
    if (!file->empty()) {
        state.firstRunFlag = file->front();
    }
    const std::size_t got = file->empty() ? 0 : file->size() - 1;
    std::copy_n(file->begin() + (file->empty() ? 0 : 1), got, state.block.bytes().begin());
    state.log.Write("Program First Run Flag:" + std::to_string(state.firstRunFlag) +
                    "\nRead Size is: " + std::to_string(got));
}

}  // namespace

void ReadSettingsIniDocument(SharedState& state, const IniDocument& doc) {
    const std::string& section = state.texts.labelSection();
    for (int k = 0; k < kLabelCount + 2; ++k) {
        std::string value = IniString(doc, section, Numbered("Item", k + 1));
        if (k < kLabelCount) {
            state.labels[static_cast<std::size_t>(k)] = std::move(value);
        } else {
            state.extraLabels[static_cast<std::size_t>(k - kLabelCount)] = std::move(value);
        }
    }
    state.unusedIni.red = IniString(doc, "Skins", "RColor");
    state.unusedIni.green = IniString(doc, "Skins", "GColor");
    state.unusedIni.blue = IniString(doc, "Skins", "BColor");
    state.unusedIni.skinPath = IniString(doc, "Skins", "Path");
    for (std::size_t k = 0; k < kPointKeys.size(); ++k) {
        state.unusedIni.point[k] = IniString(doc, "Point", kPointKeys[k]);
    }
    // Every "Key%d" section holds the same names; reading them in turn keeps the last.
    for (int d = 0; d < kKeySections; ++d) {
        for (int g = 0; g < kGunNameCount; ++g) {
            state.gunNames[static_cast<std::size_t>(g)] =
                IniString(doc, Numbered("Key", d), Numbered("Gun", g));
        }
    }
}

fs::path ProfileSettingsFile(const SharedState& state, int profile) {
    return state.paths.folder / ("config" + std::to_string(profile) + ".bin");
}

fs::path ProfileSettingsIni(const SharedState& state, int profile) {
    return state.paths.folder / ("str" + std::to_string(profile) + ".ini");
}

void LoadProfileSettings(SharedState& state) {
    RefreshPaths(state);
    if (state.defaultsRestored) {
        state.paths.settingsFile = state.paths.folder / "config.bin";
        state.paths.settingsIni =
            state.paths.folder /
            (state.currentProfile == kGamingProfile ? "strGaming.ini" : "str.ini");
    } else {
        const IniDocument list = IniDocument::Load(state.paths.profileList);
        const std::string current = IniString(list, "Profile", "CurProfileName");
        const auto count = LeadingNumber(IniString(list, "Profile", "ItemCount"));
        if (!count || *count < 1 || *count > kMaxProfiles) {
            return;
        }
        for (int i = 0; i < *count; ++i) {
            if (IniString(list, "Profile", Numbered("Item", i)) == current) {
                state.currentProfile = i;
            }
        }
        state.paths.settingsFile = ProfileSettingsFile(state, state.currentProfile);
        state.paths.settingsIni = ProfileSettingsIni(state, state.currentProfile);
    }
    ReadSettingsFile(state, "Config file is not exist.\n");
}

void LoadProfile(SharedState& state, int profile) {
    RefreshPaths(state);
    state.paths.settingsFile = ProfileSettingsFile(state, profile);
    state.paths.settingsIni = ProfileSettingsIni(state, profile);
    ReadSettingsFile(state, "Config file is not exist.");
}

Status SaveProfileSettings(SharedState& state) {
    state.paths.settingsFile = ProfileSettingsFile(state, state.currentProfile);
    state.paths.settingsIni = ProfileSettingsIni(state, state.currentProfile);
    return WriteSettingsFile(state, state.paths.settingsFile);
}

Status WriteSettingsFile(const SharedState& state, const fs::path& path) {
    if (!state.unreadSettingsFile.empty() && path == state.unreadSettingsFile) {
        state.log.Write("Config file was not read; it is kept as it is.\n");
        return Status::Error(
            "the settings file " + path.string() + " could not be read, so it was not replaced",
            state.unreadSettingsCode);
    }
    std::vector<std::uint8_t> image;
    image.reserve(kSettingsFileSize);
    image.push_back(1);
    image.insert(image.end(), state.block.bytes().begin(), state.block.bytes().end());
    Status written = WriteFileAtomically(path, image);
    if (!written) {
        state.log.Write("Error Code is: " + std::to_string(written.code()) + " \n");
        return written;
    }
    state.log.Write("Data num:1 BYTE -" + std::to_string(block::kSize) +
                    " BYTE\n Struct size:" + std::to_string(block::kSize) + " BYTE");
    return written;
}

void ReadSettingsIni(SharedState& state, const std::optional<fs::path>& ini) {
    ReadSettingsIniDocument(state, IniDocument::Load(ini ? *ini : state.paths.settingsIni));
}

Status WriteSettingsIniItems(const SharedState& state, const std::optional<fs::path>& ini) {
    const fs::path& path = ini ? *ini : state.paths.settingsIni;
    const std::string& section = state.texts.labelSection();
    const Status result = EditIniFile(path, [&](IniDocument& doc) {
        Status edited;
        if (!section.empty()) {
            for (int k = 0; k < kLabelCount && edited; ++k) {
                edited = doc.Set(section, Numbered("Item", k + 1),
                                 state.labels[static_cast<std::size_t>(k)]);
            }
        }
        for (int d = 0; d < kKeySections && edited; ++d) {
            for (int g = 0; g < kGunNameCount && edited; ++g) {
                edited = doc.Set(Numbered("Key", d), Numbered("Gun", g),
                                 state.gunNames[static_cast<std::size_t>(g)]);
            }
        }
        return edited;
    });
    if (!result) {
        state.log.Write("Settings ini not written: " + result.message() + "\n");
    }
    return result;
}

void StartupLoad(SharedState& state) {
    StartupReset(state);
    LoadProfileSettings(state);
    state.savePoint();
    // A profile's own ini made by the program holds no language code; the base ini does.
    const IniDocument settings = IniDocument::Load(state.paths.settingsIni);
    const bool ownCode = settings.Get("Skins", "Lan").has_value();
    state.languageCode =
        ownCode ? SelectLanguage(settings) : SelectLanguage(state.paths.profileList);
    state.texts = LanguageTable::For(state.languageCode);
    ReadSettingsIniDocument(state, settings);
}

}  // namespace gx508
