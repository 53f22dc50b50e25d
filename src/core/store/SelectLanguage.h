// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "core/store/IniFile.h"

namespace gx508 {

// The interface language code: the value of key "Lan" in section "Skins" of the settings ini,
// at most 1023 characters. A missing file, section or key gives "", which selects no language.
// The caller keeps the code for the whole run and fills the table with `LanguageTable::For`.
std::string SelectLanguage(const std::filesystem::path& settingsIni);
// The same from a settings ini already read.
std::string SelectLanguage(const IniDocument& settingsIni);

}  // namespace gx508
