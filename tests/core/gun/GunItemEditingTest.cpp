// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/GunItemEditing.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gx508 {
namespace {

using Items = std::vector<std::string>;

struct Case {
    const char* what;
    Items before;
    int selected;
    std::function<ItemEdit(Items&, int)> edit;
    Items after;
    std::optional<int> selection;
    bool save;
};

void Check(const Case& c) {
    Items items = c.before;
    const ItemEdit result = c.edit(items, c.selected);
    EXPECT_EQ(items, c.after) << c.what;
    EXPECT_EQ(result.changed, c.before != c.after) << c.what;
    EXPECT_EQ(result.selection, c.selection) << c.what;
    EXPECT_EQ(result.save, c.save) << c.what;
}

const auto kKeyB = [](Items& items, int selected) {
    return InsertGunKeyPair(items, selected, "B");
};
const auto kMove = [](Items& items, int selected) {
    return InsertDisplacement(items, selected, "3", "-2");
};
auto Button(int event) {
    return
        [event](Items& items, int selected) { return InsertGunButtonPair(items, selected, event); };
}

TEST(GunItemEditingTest, Insertions) {
    const Items keys = {"A   Dn", "20 ms", "A   Up"};
    const Case cases[] = {
        {"key pair after the selection",
         keys,
         0,
         kKeyB,
         {"A   Dn", "B   Dn", "B   Up", "20 ms", "A   Up"},
         2,
         true},
        {"key pair into an empty list", {}, -1, kKeyB, {"B   Dn", "B   Up"}, 1, false},
        {"key pair without a selection selects item 0", keys, -1, kKeyB, keys, 0, false},
        {"empty key name", keys, 0, [](Items& i, int s) { return InsertGunKeyPair(i, s, ""); },
         keys, std::nullopt, false},
        {"button after a delay selects the press",
         keys,
         1,
         Button(0),
         {"A   Dn", "20 ms", "L-Button   Dn", "L-Button   Up", "A   Up"},
         2,
         true},
        {"fifth button after a delay selects the release",
         keys,
         1,
         Button(4),
         {"A   Dn", "20 ms", "Button 5   Dn", "Button 5   Up", "A   Up"},
         3,
         true},
        {"fourth button after an event",
         keys,
         2,
         Button(3),
         {"A   Dn", "20 ms", "A   Up", "Button 4   Dn", "Button 4   Up"},
         4,
         true},
        {"button without a selection", keys, -1, Button(1), keys, std::nullopt, false},
        {"unknown mouse event", keys, 0, Button(5), keys, std::nullopt, false},
        {"displacement", keys, 2, kMove, {"A   Dn", "20 ms", "A   Up", "X: 3", "Y: -2"}, 4, true},
        {"displacement into an empty list", {}, -1, kMove, {"X: 3", "Y: -2"}, 1, false},
        {"nothing goes between X and Y",
         {"X: 1", "Y: 1"},
         0,
         kMove,
         {"X: 1", "Y: 1"},
         std::nullopt,
         false},
        {"nor a key", {"X: 1", "Y: 1"}, 0, kKeyB, {"X: 1", "Y: 1"}, std::nullopt, false},
        {"delay before an event",
         keys,
         2,
         InsertGunDelay,
         {"A   Dn", "20 ms", "50 ms", "A   Up"},
         3,
         true},
        {"delay before a Y",
         {"A   Dn", "X: 1", "Y: 1"},
         2,
         InsertGunDelay,
         {"A   Dn", "X: 1", "Y: 1"},
         std::nullopt,
         false},
        {"delay before the X",
         {"A   Dn", "X: 1", "Y: 1"},
         1,
         InsertGunDelay,
         {"A   Dn", "50 ms", "X: 1", "Y: 1"},
         2,
         true},
        {"delay on the first item", keys, 0, InsertGunDelay, keys, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST(GunItemEditingTest, NoInsertionFromTwoHundredFiftySixItems) {
    Items items(kGunInsertLimit - 1, "A   Dn");
    EXPECT_TRUE(InsertGunKeyPair(items, 0, "B").changed);  // 255 items still take a pair
    ASSERT_EQ(items.size(), 257u);
    items.resize(kGunInsertLimit);
    const Items full = items;
    EXPECT_FALSE(InsertGunKeyPair(items, 0, "B").changed);
    EXPECT_FALSE(InsertGunButtonPair(items, 0, 0).changed);
    EXPECT_FALSE(InsertDisplacement(items, 0, "1", "1").changed);
    EXPECT_FALSE(InsertGunDelay(items, 1).changed);
    EXPECT_EQ(items, full);
}

TEST(GunItemEditingTest, DeleteRemovesPairs) {
    const Case cases[] = {
        {"X with the Y after it",
         {"A   Dn", "X: 3", "Y: -2", "5 ms"},
         1,
         DeleteGunItem,
         {"A   Dn", "5 ms"},
         -1,
         true},
        {"Y with the X before it", {"X: 3", "5 ms", "Y: -2"}, 2, DeleteGunItem, {"5 ms"}, -1, true},
        {"a press with its release",
         {"A   Dn", "9 ms", "A   Up", "5 ms"},
         0,
         DeleteGunItem,
         {"9 ms", "5 ms"},
         -1,
         true},
        {"a release with its press",
         {"B   Dn", "A   Dn", "A   Up"},
         2,
         DeleteGunItem,
         {"B   Dn"},
         -1,
         true},
        {"the name is a substring: A pairs with Alt",
         {"A   Dn", "Alt   Up", "A   Up"},
         0,
         DeleteGunItem,
         {"A   Up"},
         -1,
         true},
        {"a press without a later release",
         {"A   Up", "A   Dn"},
         1,
         DeleteGunItem,
         {"A   Up", "A   Dn"},
         std::nullopt,
         true},
        {"an X without a Y",
         {"X: 1", "5 ms"},
         0,
         DeleteGunItem,
         {"X: 1", "5 ms"},
         std::nullopt,
         true},
        {"a delay alone",
         {"A   Dn", "5 ms", "A   Up"},
         1,
         DeleteGunItem,
         {"A   Dn", "A   Up"},
         -1,
         true},
        {"nothing selected", {"A   Dn"}, -1, DeleteGunItem, {"A   Dn"}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

}  // namespace
}  // namespace gx508
