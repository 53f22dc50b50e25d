// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MainWindowTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<MainWindowText>>({
    {MainWindowText::Info, {"Info", "Info", "Info", "Info"}},
    {MainWindowText::Warning, {"Warning", "Warning", "Warning", "Warning"}},
    {MainWindowText::Version, {"Version:1.3", "Version:1.3", "Version:1.3", "Version:1.3"}},
    {MainWindowText::Ok, {"OK", "确定", "確定", "OK"}},
    {MainWindowText::ApplyFailed,
     {"The settings did not fully reach the mouse. Check its cable and apply them again.",
      "设置未能完整发送到鼠标，请检查连接后再次保存。",
      "設定未能完整傳送到滑鼠，請檢查連線後再套用一次。",
      "Die Einstellungen sind nicht vollständig bei der Maus angekommen. Prüfen Sie das Kabel "
      "und wenden Sie sie erneut an."}},
    {MainWindowText::MouseInaccessible,
     {"The GX508 mouse is plugged in, but the system does not let this program open it. Install "
      "the udev rule 70-gx508.rules, then unplug the mouse and plug it in again.",
      "已连接GX508鼠标，但系统不允许本程序访问它。请安装udev规则 "
      "70-gx508.rules，然后重新插拔鼠标。",
      "已連接GX508滑鼠，但系統不允許本程式存取它。請安裝udev規則 "
      "70-gx508.rules，然後重新插拔滑鼠。",
      "Die GX508-Maus ist angeschlossen, aber das System erlaubt diesem Programm keinen Zugriff. "
      "Installieren Sie die udev-Regel 70-gx508.rules und stecken Sie die Maus dann neu ein."}},
    {MainWindowText::StartAtLogin,
     {"Start at login", "登录时启动", "登入時啟動", "Beim Anmelden starten"}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(MainWindowText::StartAtLogin) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of MainWindowText");

}  // namespace

std::string_view MainWindowTextOf(MainWindowText text, Language language) {
    const TextRow& row = kTexts[static_cast<std::size_t>(text)].texts;
    switch (text) {
        case MainWindowText::Info:
        case MainWindowText::Warning:
        case MainWindowText::Version:
            return row.en;
        case MainWindowText::ApplyFailed:
        case MainWindowText::MouseInaccessible:
        case MainWindowText::StartAtLogin:
            return TextIn(row, language == Language::None ? Language::En : language);
        case MainWindowText::Ok:
            break;
    }
    return TextIn(row, language);
}

}  // namespace gx508
