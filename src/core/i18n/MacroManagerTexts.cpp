// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MacroManagerTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<MacroManagerText>>({
    {MacroManagerText::Title, {"Macro Manager", "宏管理器", "巨集編輯器", "Makro-Manager"}},
    {MacroManagerText::MacroListHeading, {"Select Macro", "选择宏", "選擇巨集", "Auswahl Makro"}},
    {MacroManagerText::EventListHeading,
     {"Keystroke Sequence", "按鍵序列", "按鍵輸入順序", "Tastensequenz"}},
    {MacroManagerText::OptionsHeading, {"Options", "录制选项", "選項", "Optionen"}},
    {MacroManagerText::RecordDelayOption,
     {"Record delay between keystrokes", "记录按键动作间的延迟", "按鍵指令間插入記錄延遲",
      "Verzögerungen zwischen Tastenbefehlen aufzeichnen"}},
    {MacroManagerText::LoopLabel, {"Number of Loops", "循环次数", "迴圈數", "Wiederholungen"}},
    {MacroManagerText::Ok, {"OK", "确定", "確定", "OK"}},
    {MacroManagerText::Cancel, {"Cancel", "取消", "取消", "Abbrechen"}},
    {MacroManagerText::New, {"New", "新建", "新建", "Neu"}},
    {MacroManagerText::Delete, {"Delete", "刪除", "刪除", "Löschen"}},
    {MacroManagerText::StartRecording,
     {"Start Recording", "开始录制", "開始記錄", "Aufzeichnung starten"}},
    {MacroManagerText::StopRecording,
     {"Stop Recording", "停止录制", "停止紀錄", "Aufzeichnung beenden"}},
    {MacroManagerText::InsertLeftButton,
     {"Insert Left Button", "插入鼠标左键", "插入左鍵", "Linke Maustaste einfügen"}},
    {MacroManagerText::InsertMiddleButton,
     {"Insert Middle Button", "插入鼠标中键", "插入中鍵", "Mittlere Maustaste einfügen"}},
    {MacroManagerText::InsertRightButton,
     {"Inset Right Button", "插入鼠标右键", "插入右鍵", "Rechte Maustaste einfügen"}},
    {MacroManagerText::InsertDelay,
     {"Inset Delay", "插入延时", "插入延遲", "Verzögerung einfügen"}},
    {MacroManagerText::CannotSave,
     {"The macros cannot be saved: record.ini cannot be read or written. Your changes stay in "
      "this window.",
      "无法保存宏：无法读取或写入 record.ini。您的更改仍保留在此窗口中。",
      "無法儲存巨集：無法讀取或寫入 record.ini。您的變更仍保留在此視窗中。",
      "Die Makros können nicht gespeichert werden: record.ini lässt sich nicht lesen oder "
      "schreiben. Ihre Änderungen bleiben in diesem Fenster erhalten."}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(MacroManagerText::CannotSave) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of MacroManagerText");

}  // namespace

std::string_view MacroManagerTextOf(MacroManagerText text, Language language) {
    const TextRow& row = kTexts[static_cast<std::size_t>(text)].texts;
    if (text == MacroManagerText::CannotSave && language == Language::None) {
        return row.en;
    }
    return TextIn(row, language);
}

}  // namespace gx508
