// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/GunStepTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<GunStepText>>({
    {GunStepText::KeyTitle,
     {"Insert Keyboard Key", "插入键盘动作", "插入键盘动作", "插入键盘动作"}},
    {GunStepText::KeyPrompt,
     {"Please assign a key", "请输入键盘按键", "請指派一個鍵盤按鍵",
      "Bitte wählen Sie eine Taste aus."}},
    {GunStepText::KeyOk, {"Ok", "确定", "確定", "OK"}},
    {GunStepText::KeyCancel, {"Cancel", "取消", "取消", "Abbrechen"}},
    {GunStepText::MouseTitle, {"Insert Mouse Event", "插入鼠标动作", "插入鼠标动作", "枪械管理器"}},
    {GunStepText::MouseOk, {"OK", "确定", "确定", "确定"}},
    {GunStepText::MouseCancel, {"Cancel", "取消", "取消", "取消"}},
    {GunStepText::MouseLeft, {"Left", "左键", "左键", "左键"}},
    {GunStepText::MouseRight, {"Right", "右键", "右键", "右键"}},
    {GunStepText::MouseMiddle, {"Middle", "中键", "中键", "中键"}},
    {GunStepText::MouseForward, {"Forward", "前进方向键", "前进方向键", "前进方向键"}},
    {GunStepText::MouseBack, {"Back", "后退方向键", "后退方向键", "后退方向键"}},
    {GunStepText::CursorTitle,
     {"Insert Cursor Displacements", "插入光标位移", "插入光标位移",
      "Insert Cursor Displacements"}},
    {GunStepText::CursorOk, {"OK", "确定", "确定", "OK"}},
    {GunStepText::CursorCancel, {"Cancel", "取消", "取消", "Cancel"}},
    {GunStepText::CursorRefused,
     {"X and Y must be whole numbers from -128 to 127", "X 和 Y 必须是 -128 到 127 之间的整数",
      "X 和 Y 必須是 -128 到 127 之間的整數", "X and Y must be whole numbers from -128 to 127"}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(GunStepText::CursorRefused) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of GunStepText");

constexpr int kChineseHeight = 13;
constexpr int kLatinHeight = 14;

bool EnglishWithoutLanguage(GunStepText text) {
    return text <= GunStepText::KeyCancel || text == GunStepText::CursorRefused;
}

}  // namespace

std::string_view GunStepTextOf(GunStepText text, Language language) {
    if (language == Language::None && EnglishWithoutLanguage(text)) {
        language = Language::En;
    }
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

std::string_view GunMouseEventText(int event, Language language) {
    constexpr int kEvents = 5;
    if (event < 0 || event >= kEvents) {
        return {};
    }
    return GunStepTextOf(static_cast<GunStepText>(static_cast<int>(GunStepText::MouseLeft) + event),
                         language);
}

FontRule GunStepFont(std::string_view code) {
    const Language language = LanguageOf(code);
    if (language == Language::Chs) {
        return {"宋体", kChineseHeight, kNormalWeight, 0, FontRule::CharSet::Default};
    }
    if (language == Language::Cht) {
        return {"黑体", kChineseHeight, kNormalWeight, 0, FontRule::CharSet::Default};
    }
    return {"Arial", kLatinHeight, kNormalWeight, 0, FontRule::CharSet::Default};
}

}  // namespace gx508
