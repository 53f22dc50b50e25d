// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/FunctionCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace gx508 {
namespace {

TEST(FunctionCatalogueTest, ItemUsagesFollowTheMenuOrderAndOtherItemsGiveZero) {
    EXPECT_EQ(MultimediaUsage(0), 0x83);
    EXPECT_EQ(MultimediaUsage(4), 0xCD);
    EXPECT_EQ(MultimediaUsage(7), 0xEA);
    EXPECT_EQ(OfficeKeyUsage(0), 0x11);
    EXPECT_EQ(OfficeKeyUsage(1), 0x1B);
    EXPECT_EQ(OfficeKeyUsage(9), 0x04);
    for (int k : {-1, 8, 10, 1000}) {
        EXPECT_EQ(MultimediaUsage(k), 0) << k;
    }
    for (int k : {-1, 10, 255}) {
        EXPECT_EQ(OfficeKeyUsage(k), 0) << k;
    }
}

TEST(FunctionCatalogueTest, CaptionsAndIndicesMapBothWays) {
    const int indexOfCaption[] = {0, 1, 2, 4, 3, 5, 6, 11, 10, 9, 8, 7};
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(ButtonIndexOfCaption(n), indexOfCaption[n - 1]) << n;
        EXPECT_EQ(CaptionOfButtonIndex(indexOfCaption[n - 1]), n) << n;
    }
    EXPECT_EQ(ButtonIndexOfCaption(0), -1);
    EXPECT_EQ(ButtonIndexOfCaption(13), -1);
    EXPECT_EQ(CaptionOfButtonIndex(-1), 0);
    EXPECT_EQ(CaptionOfButtonIndex(12), 0);
}

TEST(FunctionCatalogueTest, PresetCommandsAreDistinctAndFound) {
    std::set<int> commands;
    for (const PresetFunction& p : PresetFunctions()) {
        EXPECT_TRUE(commands.insert(p.command).second) << p.command;
        EXPECT_EQ(PresetOfCommand(p.command), &p);
    }
    EXPECT_EQ(commands.size(), 13u);
    EXPECT_EQ(PresetOfCommand(command::kFireMode)->category, Category::KeyboardKey);
    EXPECT_EQ(PresetOfCommand(command::kDeactivated)->category, Category::Disabled);
    EXPECT_EQ(PresetOfCommand(command::kMacro), nullptr);
    EXPECT_EQ(PresetOfCommand(command::kStandardKeySwitch), nullptr);
}

struct LeftClickCase {
    const char* what;
    std::vector<std::uint8_t> categories;  // of buttons 0..n-1, the rest Disabled
    int button;
    bool last;
};

TEST(FunctionCatalogueTest, OnlyTheSingleLeftClickButtonIsTheLast) {
    const LeftClickCase cases[] = {
        {"only button 0 clicks", {0, 1, 2}, 0, true},
        {"another button", {0, 1, 2}, 1, false},
        {"two left clicks", {0, 0, 2}, 0, false},
        {"two left clicks, other one", {0, 0, 2}, 1, false},
        {"the single click elsewhere", {13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 0}, 11, true},
        {"no left click at all", {1}, 0, false},
        {"index past the end", {0}, 12, false},
        {"negative index", {0}, -1, false},
    };
    for (const LeftClickCase& c : cases) {
        SettingsBlock b;
        for (int i = 0; i < 12; ++i) {
            const auto k = static_cast<std::size_t>(i);
            b.setButton(ButtonField::Category, i, k < c.categories.size() ? c.categories[k] : 13);
        }
        EXPECT_EQ(IsLastLeftClick(b, c.button), c.last) << c.what;
    }
}

}  // namespace
}  // namespace gx508
