// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/ProfileTexts.h"

#include <array>
#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

constexpr auto kTexts = std::to_array<NamedTextRow<ProfileText>>({
    {ProfileText::Title, {"Configuration", "配置", "配置", "Game Profil"}},
    {ProfileText::NewProfileWord, {"Profile", "Profile", "設定檔", "Profil"}},
    {ProfileText::New, {"New", "新建", "新建", "Neu"}},
    {ProfileText::Delete, {"Delete", "删除", "刪除", "Löschen"}},
    {ProfileText::Edit, {"Edit", "编辑", "編輯", "Bearbeiten"}},
    {ProfileText::Copy, {"Copy", "复制", "複製", "Kopieren"}},
    {ProfileText::Load, {"Load", "加载", "載入", "Laden"}},
    {ProfileText::Save, {"Save", "保存", "儲存", "Speichern"}},
    {ProfileText::LimitCaption, {"ATTENTION!", "警告", "注意!", "ACHTUNG!"}},
    {ProfileText::LimitMessage,
     {"Up to 6 Profiles Possible.", "最多可以存储6个配置。", "支援最多六組設定檔。",
      "Maximal 6 Profile möglich."}},
});

static_assert(kTexts.size() == static_cast<std::size_t>(ProfileText::LimitMessage) + 1,
              "every text needs its row");
static_assert(FollowsIdOrder(kTexts), "rows must follow the order of ProfileText");

}  // namespace

std::string_view ProfileTextOf(ProfileText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)].texts, language);
}

}  // namespace gx508
