// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroItemEditing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macro/MacroStore.h"

namespace gx508 {
namespace {

using Items = std::vector<std::string>;

struct Case {
    const char* what;
    Items before;
    int selected;
    Items after;
    std::optional<int> selection;
    bool save;
};

void Check(const Case& c, ItemEdit (*edit)(Items&, int)) {
    Items items = c.before;
    const ItemEdit result = edit(items, c.selected);
    EXPECT_EQ(items, c.after) << c.what;
    EXPECT_EQ(result.changed, c.before != c.after) << c.what;
    EXPECT_EQ(result.selection, c.selection) << c.what;
    EXPECT_EQ(result.save, c.save) << c.what;
}

ItemEdit InsertLeft(Items& items, int selected) {
    return InsertButtonPair(items, selected, "L-Button");
}

TEST(MacroItemEditingTest, InsertButtonPair) {
    const Case cases[] = {
        {"after a delay the press is selected",
         {"A   Dn", "50 ms"},
         1,
         {"A   Dn", "50 ms", "L-Button   Dn", "L-Button   Up"},
         2,
         true},
        {"after an event the release is selected",
         {"A   Dn", "50 ms"},
         0,
         {"A   Dn", "L-Button   Dn", "L-Button   Up", "50 ms"},
         2,
         true},
        {"empty list: at 0 and 1, no save", {}, -1, {"L-Button   Dn", "L-Button   Up"}, 1, false},
        {"no selection in a non-empty list", {"A   Dn"}, -1, {"A   Dn"}, std::nullopt, false},
        {"selection past the end", {"A   Dn"}, 5, {"A   Dn"}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Check(c, InsertLeft);
    }
    Items full(kMaxMacroItems - 1, "A   Dn");
    EXPECT_FALSE(InsertButtonPair(full, 0, "R-Button").changed);
    EXPECT_EQ(full.size(), static_cast<std::size_t>(kMaxMacroItems - 1));
}

TEST(MacroItemEditingTest, InsertDelayOnlyBetweenTwoEvents) {
    const Case cases[] = {
        {"between two events", {"A   Dn", "A   Up"}, 1, {"A   Dn", "50 ms", "A   Up"}, 2, true},
        {"on the first item", {"A   Dn", "A   Up"}, 0, {"A   Dn", "A   Up"}, std::nullopt, false},
        {"after a delay",
         {"A   Dn", "5 ms", "A   Up"},
         2,
         {"A   Dn", "5 ms", "A   Up"},
         std::nullopt,
         false},
        {"on a delay", {"A   Dn", "5 ms"}, 1, {"A   Dn", "5 ms"}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Check(c, InsertMacroDelay);
    }
}

TEST(MacroItemEditingTest, DeleteRemovesTheSelectedItemAlone) {
    const Case cases[] = {
        {"a press alone", {"A   Dn", "A   Up"}, 0, {"A   Up"}, -1, true},
        {"nothing selected", {"A   Dn"}, -1, {"A   Dn"}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Check(c, DeleteMacroItem);
    }
}

}  // namespace
}  // namespace gx508
