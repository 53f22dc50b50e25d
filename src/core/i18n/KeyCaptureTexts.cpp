// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/KeyCaptureTexts.h"

#include <array>
#include <cstddef>
#include <string>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<KeyCaptureText>>({
    {KeyCaptureText::Prompt,
     {"Please assign a key", "请输入一个按键", "請指派一個鍵盤按鍵",
      "Bitte wählen Sie eine Taste aus."}},
    {KeyCaptureText::Ok, {"Ok", "确定", "確定", "OK"}},
    {KeyCaptureText::Cancel, {"Cancel", "取消", "取消", "Abbrechen"}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(KeyCaptureText::Cancel) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of KeyCaptureText");

constexpr int kChineseHeight = 13;
constexpr int kLatinHeight = 14;

}  // namespace

std::string_view KeyCaptureTextOf(KeyCaptureText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

FontRule KeyCaptureFont(std::string_view code) {
    const Language language = LanguageOf(code);
    const bool chinese = language == Language::Chs || language == Language::Cht;
    return {FontFace(code), chinese ? kChineseHeight : kLatinHeight, kNormalWeight, 0,
            FontRule::CharSet::Default};
}

std::string KeyCaptureFailedText(int code) {
    return "JournalRecordHook Install error code :" + std::to_string(code) + "\n";
}

}  // namespace gx508
