// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/GunManagerTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

// A row whose German and traditional Chinese columns read the simplified Chinese text.
constexpr NamedTextRow<GunManagerText> Row(GunManagerText id, std::string_view english,
                                           std::string_view chinese) {
    return {id, {english, chinese, chinese, chinese}};
}

constexpr auto kTexts = std::to_array<NamedTextRow<GunManagerText>>({
    Row(GunManagerText::Title, "Gun Managent", "枪械管理器"),
    Row(GunManagerText::Ok, "OK", "确定"),
    Row(GunManagerText::Cancel, "Cancel", "取消"),
    Row(GunManagerText::New, "New", "新建"),
    Row(GunManagerText::Delete, "Delete", "删除"),
    Row(GunManagerText::StartRecording, "Start Recording", "开始录制"),
    Row(GunManagerText::StopRecording, "Stop Recording", "停止录制"),
    Row(GunManagerText::InsertKeyboard, "Insert Keyboard Events", "插入键盘动作"),
    Row(GunManagerText::InsertMouse, "Insert Mouse Events", "插入鼠标动作"),
    Row(GunManagerText::InsertDisplacement, "Insert Cursor Displacements", "插入光标位移"),
    Row(GunManagerText::InsertDelay, "Insert Delay", "插入延时"),
    Row(GunManagerText::RecordDelayOption, "Record delay", "记录延时"),
    Row(GunManagerText::LoopOption, "Loop", "循环次数"),
    Row(GunManagerText::NameListHeading, "Gun Name", "枪械名称"),
    Row(GunManagerText::EventListHeading, "Sequence", "按键序列"),
    Row(GunManagerText::OptionsHeading, "Recording Optoin", "录制选择"),
    {GunManagerText::NewNameWord, {"GUN", "枪械", "枪械", "GUN"}},
    Row(GunManagerText::CannotSave,
        "The gun macros cannot be saved: record.ini cannot be read or written. Your changes stay "
        "in this window.",
        "无法保存枪械宏：无法读取或写入 record.ini。您的更改仍保留在此窗口中。"),
    Row(GunManagerText::CutShortCaption, "Gun macro too long", "枪械宏过长"),
    Row(GunManagerText::KeepEditing, "Keep editing", "继续编辑"),
    Row(GunManagerText::CloseAnyway, "Close anyway", "仍然关闭"),
});

static_assert(kTexts.size() == static_cast<std::size_t>(GunManagerText::CloseAnyway) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of GunManagerText");

bool EnglishWithoutLanguage(GunManagerText text) {
    return text >= GunManagerText::NewNameWord;
}

}  // namespace

std::string_view GunManagerTextOf(GunManagerText text, Language language) {
    if (language == Language::None && EnglishWithoutLanguage(text)) {
        language = Language::En;
    }
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

std::string GunCutShortText(std::string_view name, Language language) {
    const std::string quoted(name);
    if (language == Language::Chs || language == Language::Cht || language == Language::De) {
        return "绑定到按键的枪械宏超出了鼠标的容量：应用时“" + quoted +
               "”会被截短。请缩短它，或减少绑定到按键的枪械宏。";
    }
    return "The gun macros bound to buttons no longer fit the mouse: at Apply, \"" + quoted +
           "\" would be cut short. Shorten it, or bind fewer gun macros.";
}

}  // namespace gx508
