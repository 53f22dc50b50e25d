// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/i18n/Language.h"
#include "core/i18n/Text.h"

namespace gx508 {

// The central table of texts that several windows share, filled once at start-up from the
// interface language code. An entry the selected language defines no text for stays empty
// (for example "OFF" and "ON" in traditional Chinese and German), and with an unrecognised code
// every entry stays empty.
class LanguageTable {
  public:
    // Every entry empty, no label section, no language.
    LanguageTable();

    // The table for a language code: the first of "CHS", "CHT", "EN", "DE" equal to `code`
    // fills every entry that language defines; no match leaves the table as constructed.
    static LanguageTable For(std::string_view code);

    const std::string& operator[](Text id) const;

    // The settings ini section holding the function labels: "Setting-" followed by the code of
    // the selected language, or "" when no language is selected.
    const std::string& labelSection() const { return m_labelSection; }

    Language language() const { return m_language; }

  private:
    std::array<std::string, kTextCount> m_texts;
    std::string m_labelSection;
    Language m_language = Language::None;
};

// Numbered series of the table. Each gives an empty text for a number outside its range.

// The caption of the mouse button shown as "Button n", n = 1..12.
std::string_view ButtonCaption(const LanguageTable& table, int captionNumber);

// The balloon text announcing DPI stage n = 1..7 ("Switch DPI into the first stage " ...),
// blank included.
std::string_view DpiStageNotice(const LanguageTable& table, int stage);

// The label of DPI function kind 1 (up, "DPI +"), 2 (down, "DPI -") or 3 (cycle, "DPI Loop").
std::string_view DpiFunctionText(const LanguageTable& table, int kind);

// The name an unassigned gun switch k = 0..2 shows ("Gun1", "Gun2", "Gun3").
std::string_view UnassignedGunName(const LanguageTable& table, int gunSwitch);

// The default name of gun switch k = 0..2 ("Snipe", "AKM", "Standard Gun").
std::string_view DefaultGunName(const LanguageTable& table, int gunSwitch);

}  // namespace gx508
