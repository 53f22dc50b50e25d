// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MacroTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<MacroText>>({
    {MacroText::NewMacroWord, {"Macro", "宏", "巨集", "Makro"}},
    {MacroText::NewGunMacroWord, {"GUN", "枪械", "枪械", "GUN"}},
    {MacroText::MacroLimitCaption, {"ATTENTION!", "警告", "注意！", "ACHTUNG!"}},
    {MacroText::MacroLimitMessage,
     {"Up to 12 Macros Possible.", "最多可以新建12个宏。", "支援最多12 組巨集",
      "Maximal 12 Makros möglich."}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(MacroText::MacroLimitMessage) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of MacroText");

}  // namespace

std::string_view MacroTextOf(MacroText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

}  // namespace gx508
