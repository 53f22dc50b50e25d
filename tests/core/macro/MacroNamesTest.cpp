// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroNames.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace gx508 {
namespace {

using Names = std::vector<std::string>;

TEST(MacroNamesTest, NewNameFollowsTheLastName) {
    struct Case {
        const char* what;
        Names names;
        Names otherKind;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"first macro", {}, {}, "Macro_1"},
        {"after Macro_7, whatever the count", {"Macro_7"}, {}, "Macro_8"},
        {"last name without underscore: count + 1", {"a", "b", "c"}, {}, "Macro_4"},
        {"text after the underscore is no number", {"x_abc"}, {}, "Macro_1"},
        {"only the first underscore counts", {"a_2_9"}, {}, "Macro_3"},
        {"the largest number does not overflow", {"M_2147483647"}, {}, "Macro_2147483648"},
        {"a taken name moves on", {"Macro_8", "Macro_7"}, {}, "Macro_9"},
        {"taken in another case", {"MACRO_2", "Macro_1"}, {}, "Macro_3"},
        {"taken by a gun macro", {"Macro_1"}, {"Macro_2"}, "Macro_3"},
        {"a thirteenth macro is refused",
         Names{"m_1", "m_2", "m_3", "m_4", "m_5", "m_6", "m_7", "m_8", "m_9", "m_10", "m_11",
               "m_12"},
         {},
         std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NewMacroName(c.names, c.otherKind, "Macro"), c.expected) << c.what;
    }
    EXPECT_EQ(NewMacroName(Names{"GUN_3"}, {}, "GUN"), "GUN_4");
}

TEST(MacroNamesTest, EditedNameKeepsTheOldOneWhenRefused) {
    const Names names = {"Macro_1", "Macro_2", "Fast"};
    const Names guns = {"Snipe", "AKM", "GUN_4"};
    struct Case {
        std::string typed;
        std::string name;
        NameVerdict verdict;
    };
    const Case cases[] = {
        {"Burst", "Burst", NameVerdict::Accepted},
        {"MACRO_1", "MACRO_1", NameVerdict::Accepted},  // its own section, in another case
        {"Macro_1", "Macro_1", NameVerdict::Unchanged},
        {"Macro_2", "Macro_1", NameVerdict::Duplicate},
        {"macro_2", "Macro_1", NameVerdict::Duplicate},  // would share Macro_2's section
        {"MacroName", "Macro_1", NameVerdict::Reserved},
        {"gunmacroname", "Macro_1", NameVerdict::Reserved},
        {"AKM", "Macro_1", NameVerdict::OtherKind},
        {"gun_4", "Macro_1", NameVerdict::OtherKind},
        {"", "Macro_1", NameVerdict::NotStorable},
        {" Burst", "Macro_1", NameVerdict::NotStorable},
        {"\"Burst\"", "Macro_1", NameVerdict::NotStorable},
        {"a\tb", "Macro_1", NameVerdict::NotStorable},
        {std::string(1024, 'x'), "Macro_1", NameVerdict::NotStorable},
        {std::string(1023, 'x'), std::string(1023, 'x'), NameVerdict::Accepted},
    };
    for (const Case& c : cases) {
        const NameEdit edit = NameAfterEdit(names, 0, c.typed, guns);
        EXPECT_EQ(edit.name, c.name) << c.typed;
        EXPECT_EQ(edit.verdict, c.verdict) << c.typed;
    }
}

}  // namespace
}  // namespace gx508
