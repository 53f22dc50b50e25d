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

std::string_view TextIn(const TextRow& row, Language language) {
    switch (language) {
        case Language::Chs:
            return row[0];
        case Language::Cht:
            return row[1];
        case Language::En:
            return row[2];
        case Language::De:
            return row[3];
        case Language::None:
            break;
    }
    return {};
}

}  // namespace gx508
