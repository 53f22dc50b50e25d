// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/FunctionList.h"

#include <array>
#include <cstddef>
#include <span>

#include "core/i18n/Language.h"
#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

// Each list's items in menu order.

constexpr auto kMultimedia = std::to_array<TextRow>({
    {"Open Media Player", "多媒体播放器", "開啟媒體播放器", "Mediaplayer öffnen"},
    {"Next Track", "下一首", "下一首", "Nächster Titel"},
    {"Previous Track", "上一首", "上一首", "Vorheriger Titel"},
    {"Stop", "停止", "停止", "Stopp"},
    {"Play/Pause", "播放/暂停", "播放/暫停", "Play/Pause"},
    {"Mute", "静音", "靜音", "Stumm"},
    {"Volume Up", "音量+", "提高音量", "Lautstärke +"},
    {"Volume Down", "音量-", "降低音量", "Lautstärke -"},
});

constexpr auto kOffice = std::to_array<TextRow>({
    {"New", "新建", "新建", "Neu"},
    {"Cut", "剪切", "剪下", "Ausschneiden"},
    {"Copy", "复制", "複製", "Kopieren"},
    {"Paste", "粘贴", "貼上", "Einfügen"},
    {"Save", "保存", "儲存", "Speichern"},
    {"Print", "打印", "列印", "Drucken"},
    {"Find", "查找", "尋找", "Suchen"},
    {"Redo", "重复", "重做", "Wiederherstellen"},
    {"Undo", "撤销", "復原", "Rückgängig machen"},
    {"Select All", "全选", "選擇全部", "Alles auswählen"},
});

constexpr auto kWindows = std::to_array<TextRow>({
    {"My computer", "我的电脑", "我的電腦", "Arbeitsplatz"},
    {"Web Home", "浏览器-主页", "首頁", "Web: Startseite"},
    {"Search Computer", "搜索", "搜尋程式及檔案", "Computer durchsuchen"},
    {"Maximize", "最大化", "最大化", "Maximieren"},
    {"Minimize", "最小化", "最小化", "Minimieren"},
    {"Show desktop", "显示桌面", "顯示桌面", "Desktop anzeigen"},
    {"Run", "运行", "運行", "Ausführen"},
});

std::span<const TextRow> RowsOf(FunctionList list) {
    switch (list) {
        case FunctionList::Multimedia:
            return kMultimedia;
        case FunctionList::Office:
            return kOffice;
        case FunctionList::Windows:
            return kWindows;
    }
    return {};
}

// The lists know no empty language: a code that selects none takes the English texts.
Language ListLanguage(std::string_view code) {
    const Language language = LanguageOf(code);
    return language == Language::None ? Language::En : language;
}

}  // namespace

int FunctionListSize(FunctionList list) {
    return static_cast<int>(RowsOf(list).size());
}

std::string_view FunctionListText(FunctionList list, int k, std::string_view code) {
    const std::span<const TextRow> rows = RowsOf(list);
    if (k < 0 || static_cast<std::size_t>(k) >= rows.size()) {
        return {};
    }
    return TextIn(rows[static_cast<std::size_t>(k)], ListLanguage(code));
}

}  // namespace gx508
