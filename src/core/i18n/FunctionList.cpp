#include "core/i18n/FunctionList.h"

#include <array>
#include <cstddef>
#include <span>

#include "core/i18n/Language.h"

namespace gx508 {

namespace {

// One list in English, simplified Chinese, traditional Chinese and German.
template <std::size_t N>
struct ListTexts {
    std::array<std::string_view, N> en;
    std::array<std::string_view, N> chs;
    std::array<std::string_view, N> cht;
    std::array<std::string_view, N> de;
};

constexpr ListTexts<8> kMultimedia{
    {"Open Media Player", "Next Track", "Previous Track", "Stop", "Play/Pause", "Mute", "Volume Up",
     "Volume Down"},
    {"多媒体播放器", "下一首", "上一首", "停止", "播放/暂停", "静音", "音量+", "音量-"},
    {"開啟媒體播放器", "下一首", "上一首", "停止", "播放/暫停", "靜音", "提高音量", "降低音量"},
    {"Mediaplayer öffnen", "Nächster Titel", "Vorheriger Titel", "Stopp", "Play/Pause", "Stumm",
     "Lautstärke +", "Lautstärke -"},
};

constexpr ListTexts<10> kOffice{
    {"New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All"},
    {"新建", "剪切", "复制", "粘贴", "保存", "打印", "查找", "重复", "撤销", "全选"},
    {"新建", "剪下", "複製", "貼上", "儲存", "列印", "尋找", "重做", "復原", "選擇全部"},
    {"Neu", "Ausschneiden", "Kopieren", "Einfügen", "Speichern", "Drucken", "Suchen",
     "Wiederherstellen", "Rückgängig machen", "Alles auswählen"},
};

constexpr ListTexts<7> kWindows{
    {"My computer", "Web Home", "Search Computer", "Maximize", "Minimize", "Show desktop", "Run"},
    {"我的电脑", "浏览器-主页", "搜索", "最大化", "最小化", "显示桌面", "运行"},
    {"我的電腦", "首頁", "搜尋程式及檔案", "最大化", "最小化", "顯示桌面", "運行"},
    {"Arbeitsplatz", "Web: Startseite", "Computer durchsuchen", "Maximieren", "Minimieren",
     "Desktop anzeigen", "Ausführen"},
};

template <std::size_t N>
std::span<const std::string_view> TextsIn(const ListTexts<N>& list, std::string_view code) {
    switch (LanguageOf(code)) {
        case Language::Chs:
            return list.chs;
        case Language::Cht:
            return list.cht;
        case Language::De:
            return list.de;
        case Language::En:
        case Language::None:
            break;
    }
    return list.en;
}

std::span<const std::string_view> TextsOf(FunctionList list, std::string_view code) {
    switch (list) {
        case FunctionList::Multimedia:
            return TextsIn(kMultimedia, code);
        case FunctionList::Office:
            return TextsIn(kOffice, code);
        case FunctionList::Windows:
            return TextsIn(kWindows, code);
    }
    return {};
}

}  // namespace

int FunctionListSize(FunctionList list) {
    return static_cast<int>(TextsOf(list, {}).size());
}

std::string_view FunctionListText(FunctionList list, int k, std::string_view code) {
    const std::span<const std::string_view> texts = TextsOf(list, code);
    if (k < 0 || static_cast<std::size_t>(k) >= texts.size()) {
        return {};
    }
    return texts[static_cast<std::size_t>(k)];
}

}  // namespace gx508
