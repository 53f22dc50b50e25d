#include "core/i18n/MacroTexts.h"

#include <array>

namespace gx508 {

namespace {

constexpr std::array<TextRow, 4> kTexts{{
    {"宏", "巨集", "Macro", "Makro"},
    {"枪械", "枪械", "GUN", "GUN"},
    {"警告", "注意！", "ATTENTION!", "ACHTUNG!"},
    {"最多可以新建12个宏。", "支援最多12 組巨集", "Up to 12 Macros Possible.",
     "Maximal 12 Makros möglich."},
}};

}  // namespace

std::string_view MacroTextOf(MacroText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)], language);
}

}  // namespace gx508
