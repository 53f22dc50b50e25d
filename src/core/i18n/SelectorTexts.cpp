// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/SelectorTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<SelectorText>>({
    {SelectorText::MacroHint,
     {"Please select a macro!", "请从列表框选择一个宏", "請先選擇巨集",
      "Bitte wählen Sie ein Makro aus!"}},
    {SelectorText::GunHint,
     {"Please select a Gun!", "请从列表框选择一个枪械", "請先選擇巨集",
      "Bitte wählen Sie ein Makro aus!"}},
    {SelectorText::Ok, {"OK", "确定", "確定", "OK"}},
    {SelectorText::Cancel, {"Cancel", "取消", "取消", "Abbrechen"}},
    {SelectorText::PlayOnce,
     {"Macro runs one-time after pressing the button.", "重复指定次数或按任意键结束",
      "按下按鍵後可重覆執行", "Makro bei Tastendruck einmalig ausführen."}},
    {SelectorText::LoopUntilAnyKey,
     {"Macro runs endless loop until any button is pressed. ", "重复直到按任意键结束",
      "重覆執行至再次按下任一鍵", "Makro endlos ausführen, bis erneuter Tastendruck erfolgt."}},
    {SelectorText::LoopWhileHeld,
     {"Macro runs endless loop until button is released. ", "重复直到该按键松开结束",
      "重覆執行至放開此鍵", "Makro bei dauerhaft gedrückter Taste endlos ausführen."}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(SelectorText::LoopWhileHeld) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of SelectorText");

}  // namespace

std::string_view SelectorTextOf(SelectorText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

std::string_view PlayModeText(std::uint8_t mode, Language language) {
    if (mode >= kPlayModeCount) {
        return {};
    }
    return SelectorTextOf(
        static_cast<SelectorText>(static_cast<int>(SelectorText::PlayOnce) + mode), language);
}

}  // namespace gx508
