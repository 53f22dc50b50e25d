#include "core/i18n/MacroTexts.h"

#include <array>

namespace gx508 {

namespace {

// Columns: simplified Chinese, traditional Chinese, English, German.
using Row = std::array<std::string_view, 4>;

constexpr std::array<Row, 4> kTexts{{
    {"宏", "巨集", "Macro", "Makro"},
    {"枪械", "枪械", "GUN", "GUN"},
    {"警告", "注意！", "ATTENTION!", "ACHTUNG!"},
    {"最多可以新建12个宏。", "支援最多12 組巨集", "Up to 12 Macros Possible.",
     "Maximal 12 Makros möglich."},
}};

}  // namespace

std::string_view MacroTextOf(MacroText text, Language language) {
    const Row& row = kTexts[static_cast<std::size_t>(text)];
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
