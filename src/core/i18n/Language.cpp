// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/Language.h"

#include <array>
#include <utility>

namespace gx508 {

namespace {

// In the order the codes are compared.
constexpr std::array<std::pair<std::string_view, Language>, 4> kCodes{{
    {"CHS", Language::Chs},
    {"CHT", Language::Cht},
    {"EN", Language::En},
    {"DE", Language::De},
}};

}  // namespace

Language LanguageOf(std::string_view code) {
    for (const auto& [name, language] : kCodes) {
        if (code == name) {
            return language;
        }
    }
    return Language::None;
}

std::string_view CodeOf(Language language) {
    for (const auto& [name, candidate] : kCodes) {
        if (candidate == language) {
            return name;
        }
    }
    return {};
}

}  // namespace gx508
