// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace gx508 {

// The interface languages. The language code read at start-up selects one of them for the
// whole run; every other code selects none.
enum class Language { None, Chs, Cht, En, De };

// The language a code selects: "CHS", "CHT", "EN" or "DE", compared exactly (case and length
// matter, so "chs", "EN " and "" select `Language::None`).
Language LanguageOf(std::string_view code);

// The code of a language ("CHS", "CHT", "EN", "DE"); empty for `Language::None`.
std::string_view CodeOf(Language language);

}  // namespace gx508
