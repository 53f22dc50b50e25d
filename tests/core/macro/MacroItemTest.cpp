// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroItem.h"

#include <gtest/gtest.h>

#include <string>

namespace gx508 {
namespace {

TEST(MacroItemTest, ClassifiesByTheFirstMarkItHolds) {
    struct Case {
        std::string item;
        MacroItemKind kind;
    };
    const Case cases[] = {
        {"A   Dn", MacroItemKind::Press},
        {"Left Windows   Up", MacroItemKind::Release},
        {"X: -3", MacroItemKind::DisplacementX},
        {"X:", MacroItemKind::DisplacementX},
        {"Y: 5", MacroItemKind::DisplacementY},
        {"120 ms", MacroItemKind::Delay},
        {"ms", MacroItemKind::Delay},
        {"A  Dn", MacroItemKind::Other},  // two blanks only
        {"", MacroItemKind::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyMacroItem(c.item), c.kind) << c.item;
    }
}

TEST(MacroItemTest, ReadsNamesAndNumbers) {
    EXPECT_EQ(MacroItemKeyName("Num Enter   Dn"), "Num Enter");
    EXPECT_EQ(MacroItemKeyName("Button 5   Up"), "Button 5");
    EXPECT_EQ(MacroItemKeyName("   Dn"), "");

    EXPECT_EQ(MacroItemNumber("120 ms"), 120);
    EXPECT_EQ(MacroItemNumber("X: -3"), -3);
    EXPECT_EQ(MacroItemNumber("Y: 5"), 5);
    EXPECT_EQ(MacroItemNumber("X:"), 0);
    EXPECT_EQ(MacroItemNumber("X: -"), 0);
    EXPECT_EQ(MacroItemNumber("abc ms"), 0);

    EXPECT_EQ(PressItem("A"), "A   Dn");
    EXPECT_EQ(ReleaseItem("A"), "A   Up");
    EXPECT_EQ(DelayItem(50), "50 ms");
    EXPECT_EQ(DisplacementXItem("-3"), "X: -3");
    EXPECT_EQ(DisplacementYItem(""), "Y: ");
}

}  // namespace
}  // namespace gx508
