// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/MainWindowTexts.h"

#include <gtest/gtest.h>

#include <string_view>

namespace gx508 {
namespace {

constexpr Language kEveryLanguage[] = {Language::Chs, Language::Cht, Language::En, Language::De,
                                       Language::None};

TEST(MainWindowTextsTest, TitlesAndVersionAreTheSameWhateverTheLanguage) {
    for (Language language : kEveryLanguage) {
        SCOPED_TRACE(testing::Message() << "language " << static_cast<int>(language));
        EXPECT_EQ(MainWindowTextOf(MainWindowText::Info, language), "Info");
        EXPECT_EQ(MainWindowTextOf(MainWindowText::Warning, language), "Warning");
        EXPECT_EQ(MainWindowTextOf(MainWindowText::Version, language), "Version:1.3");
    }
}

struct TranslatedCase {
    MainWindowText text;
    Language language;
    std::string_view expected;
};

TEST(MainWindowTextsTest, ButtonFollowsTheLanguageAndWarningsAndMenuItemsAreNeverBlank) {
    const TranslatedCase cases[] = {
        {MainWindowText::Ok, Language::Chs, "确定"},
        {MainWindowText::Ok, Language::Cht, "確定"},
        {MainWindowText::Ok, Language::De, "OK"},
        // The platform names the button then.
        {MainWindowText::Ok, Language::None, ""},
        {MainWindowText::ApplyFailed, Language::Chs,
         "设置未能完整发送到鼠标，请检查连接后再次保存。"},
        {MainWindowText::ApplyFailed, Language::None,
         "The settings did not fully reach the mouse. Check its cable and apply them again."},
        {MainWindowText::MouseInaccessible, Language::None,
         "The GX508 mouse is plugged in, but the system does not let this program open it. "
         "Install the udev rule 70-gx508.rules, then unplug the mouse and plug it in again."},
        {MainWindowText::StartAtLogin, Language::Chs, "登录时启动"},
        {MainWindowText::StartAtLogin, Language::Cht, "登入時啟動"},
        {MainWindowText::StartAtLogin, Language::En, "Start at login"},
        {MainWindowText::StartAtLogin, Language::De, "Beim Anmelden starten"},
        {MainWindowText::StartAtLogin, Language::None, "Start at login"},
    };
    for (const TranslatedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << static_cast<int>(c.text) << " language "
                                        << static_cast<int>(c.language));
        EXPECT_EQ(MainWindowTextOf(c.text, c.language), c.expected);
    }
    for (Language language : kEveryLanguage) {
        for (MainWindowText text : {MainWindowText::ApplyFailed, MainWindowText::MouseInaccessible,
                                    MainWindowText::StartAtLogin}) {
            EXPECT_FALSE(MainWindowTextOf(text, language).empty());
        }
    }
}

}  // namespace
}  // namespace gx508
