// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/FunctionList.h"

#include <gtest/gtest.h>

#include <string_view>

namespace gx508 {
namespace {

constexpr FunctionList kLists[] = {FunctionList::Multimedia, FunctionList::Office,
                                   FunctionList::Windows};

TEST(FunctionListTest, ListsHoldTheMenuItemCounts) {
    EXPECT_EQ(FunctionListSize(FunctionList::Multimedia), 8);
    EXPECT_EQ(FunctionListSize(FunctionList::Office), 10);
    EXPECT_EQ(FunctionListSize(FunctionList::Windows), 7);
}

TEST(FunctionListTest, EveryItemHasATextInEveryLanguage) {
    for (FunctionList list : kLists) {
        for (std::string_view code : {"CHS", "CHT", "EN", "DE"}) {
            for (int k = 0; k < FunctionListSize(list); ++k) {
                EXPECT_FALSE(FunctionListText(list, k, code).empty())
                    << static_cast<int>(list) << ' ' << code << ' ' << k;
            }
        }
    }
}

struct ItemCase {
    FunctionList list;
    int k;
    std::string_view code;
    std::string_view text;
};

TEST(FunctionListTest, KnownCodesTakeTheirOwnListAnyOtherCodeTheEnglishOne) {
    const ItemCase cases[] = {
        {FunctionList::Multimedia, 0, "CHS", "多媒体播放器"},
        {FunctionList::Multimedia, 6, "CHT", "提高音量"},
        {FunctionList::Multimedia, 0, "DE", "Mediaplayer öffnen"},
        {FunctionList::Multimedia, 7, "EN", "Volume Down"},
        {FunctionList::Office, 1, "CHT", "剪下"},
        {FunctionList::Office, 9, "DE", "Alles auswählen"},
        {FunctionList::Office, 8, "CHS", "撤销"},
        {FunctionList::Windows, 1, "DE", "Web: Startseite"},
        {FunctionList::Windows, 2, "CHT", "搜尋程式及檔案"},
        {FunctionList::Windows, 6, "EN", "Run"},
        // Every unrecognised code falls back to English.
        {FunctionList::Windows, 2, "chs", "Search Computer"},
        {FunctionList::Office, 1, "", "Cut"},
        {FunctionList::Multimedia, 4, "EN ", "Play/Pause"},
        {FunctionList::Windows, 5, "de", "Show desktop"},
    };
    for (const ItemCase& c : cases) {
        EXPECT_EQ(FunctionListText(c.list, c.k, c.code), c.text) << c.code << ' ' << c.k;
    }
}

TEST(FunctionListTest, ItemsOutsideTheListAreEmpty) {
    for (FunctionList list : kLists) {
        EXPECT_EQ(FunctionListText(list, -1, "EN"), "");
        EXPECT_EQ(FunctionListText(list, FunctionListSize(list), "CHS"), "");
        EXPECT_FALSE(FunctionListText(list, FunctionListSize(list) - 1, "CHS").empty());
    }
}

}  // namespace
}  // namespace gx508
