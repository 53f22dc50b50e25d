// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the base files of the program folder from the code defaults, so that a first run
// starts from the factory settings: the three settings files, the base and per-profile
// settings inis with the factory labels in every language, and the macro store with the three
// built-in gun macros. Usage: gx508basefiles FOLDER
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/LogSink.h"
#include "core/assign/FunctionLabels.h"
#include "core/i18n/LanguageTable.h"
#include "core/store/AtomicFile.h"
#include "core/store/BlockDefaults.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"

namespace {

using namespace gx508;
namespace fs = std::filesystem;

constexpr std::array<const char*, 4> kLanguages = {"CHS", "CHT", "EN", "DE"};
constexpr const char* kInitialLanguage = "EN";
constexpr std::array<const char*, 2> kProfileNames = {"Standard", "Gaming"};

bool Check(const Status& status, const fs::path& path) {
    if (!status) {
        std::fprintf(stderr, "gx508basefiles: %s: %s\n", path.c_str(), status.message().c_str());
    }
    return status.ok();
}

// The state the code defaults give a profile, in the language of `code`.
std::unique_ptr<SharedState> FactoryState(const fs::path& folder, LogSink& log, int profile,
                                          const char* code) {
    auto state = std::make_unique<SharedState>(folder, log);
    state->currentProfile = profile;
    state->languageCode = code;
    state->texts = LanguageTable::For(code);
    StartupReset(*state);
    ApplyCodeDefaults(*state);
    return state;
}

std::vector<std::uint8_t> SettingsImage(const fs::path& folder, int profile) {
    NullLog log;
    const auto state = FactoryState(folder, log, profile, kInitialLanguage);
    std::vector<std::uint8_t> image(kSettingsFileSize);
    image[0] = 1;
    std::copy(state->block.bytes().begin(), state->block.bytes().end(), image.begin() + 1);
    return image;
}

bool WriteSettingsIni(const fs::path& path, int profile, bool withProfileList) {
    IniDocument doc;
    Status status;
    if (withProfileList) {
        status = doc.Set("Profile", "CurProfileName", kProfileNames[0]);
        status =
            status ? doc.Set("Profile", "ItemCount", std::to_string(kProfileNames.size())) : status;
        for (std::size_t k = 0; k < kProfileNames.size() && status; ++k) {
            status = doc.Set("Profile", "Item" + std::to_string(k), kProfileNames[k]);
        }
    }
    status = status ? doc.Set("Skins", "Lan", kInitialLanguage) : status;
    NullLog log;
    for (const char* code : kLanguages) {
        const auto state = FactoryState(path.parent_path(), log, profile, code);
        for (int b = 0; b < kLabelCount && status; ++b) {
            status = doc.Set(state->texts.labelSection(), "Item" + std::to_string(b + 1),
                             FunctionLabelOf(*state, b));
        }
    }
    const LanguageTable english = LanguageTable::For(kInitialLanguage);
    for (int d = 0; d < 12 && status; ++d) {
        for (int g = 0; g < 4 && status; ++g) {
            const std::string name =
                g < 3 ? std::string(DefaultGunName(english, g)) : std::string();
            status = doc.Set("Key" + std::to_string(d), "Gun" + std::to_string(g), name);
        }
    }
    return Check(status ? doc.Save(path) : status, path);
}

bool WriteMacroStore(const fs::path& path) {
    const LanguageTable english = LanguageTable::For(kInitialLanguage);
    IniDocument doc;
    Status status = doc.Set("MacroName", "MacroCount", "0");
    status = status ? doc.Set("MacroName", "0", "") : status;
    status = status ? doc.Set("GunMacroName", "MacroCount", "3") : status;
    for (int k = 0; k < 3 && status; ++k) {
        status = doc.Set("GunMacroName", std::to_string(k), DefaultGunName(english, k));
    }
    return Check(status ? doc.Save(path) : status, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gx508basefiles FOLDER\n");
        return 2;
    }
    const fs::path folder = argv[1];
    const auto standard = SettingsImage(folder, 0);
    const auto gaming = SettingsImage(folder, kGamingProfile);
    bool ok = Check(WriteFileAtomically(folder / "config.bin", standard), folder / "config.bin");
    ok = Check(WriteFileAtomically(folder / "config0.bin", standard), folder / "config0.bin") && ok;
    ok = Check(WriteFileAtomically(folder / "config1.bin", gaming), folder / "config1.bin") && ok;
    ok = WriteSettingsIni(folder / "str.ini", 0, true) && ok;
    ok = WriteSettingsIni(folder / "str0.ini", 0, false) && ok;
    ok = WriteSettingsIni(folder / "strGaming.ini", kGamingProfile, false) && ok;
    ok = WriteSettingsIni(folder / "str1.ini", kGamingProfile, false) && ok;
    ok = WriteMacroStore(folder / "record.ini") && ok;
    return ok ? 0 : 1;
}
