// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SelectLanguage.h"

#include "core/store/IniFile.h"

namespace gx508 {

namespace {

constexpr std::size_t kCodeCapacity = 1024;

}  // namespace

std::string SelectLanguage(const std::filesystem::path& settingsIni) {
    return SelectLanguage(IniDocument::Load(settingsIni));
}

std::string SelectLanguage(const IniDocument& settingsIni) {
    return IniString(settingsIni, "Skins", "Lan", {}, kCodeCapacity);
}

}  // namespace gx508
