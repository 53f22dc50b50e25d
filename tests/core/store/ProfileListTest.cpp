// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ProfileList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/store/IniFile.h"

namespace gx508 {
namespace {

using Names = std::vector<std::string>;

const Names kFive = {"Standard", "Gaming", "Profile 2", "Profile 3", "Profile 4"};
const Names kSix = {"Standard", "Gaming", "A", "B", "C", "D"};

IniDocument Ini(const std::string& text) {
    return IniDocument::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(ProfileListTest, NewIsNamedOneAfterTheHighestNumber) {
    struct Case {
        Names names;
        const char* word;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {{"Standard", "Gaming", "Profile 10"}, "Profile", "Profile 11"},
        {{"Standard", "Gaming", "Profile 12", "Profile 10"}, "Profile", "Profile 13"},
        {{"Standard", "Gaming", "Profile 3", "Mine"}, "Profile", "Profile 4"},
        {{"Standard", "Gaming"}, "Profil", "Profil 1"},
        {{}, "Profile", "Profile 1"},
        // The digits must follow the first space at once.
        {{"Standard", "Gaming", "Copy Profile 7", "x  9"}, "Profile", "Profile 1"},
        {{"Standard", "Gaming", "Game 5b"}, "設定檔", "設定檔 6"},
        {{"Standard", "Gaming", "Max 99999999999"}, "Profile", "Profile 2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProfileList(c.names, 0).nextName(c.word), c.expected) << c.expected;
    }
}

using Change = std::function<Status(ProfileList&)>;

TEST(ProfileListTest, ChangesTheRulesAllow) {
    struct Case {
        const char* what;
        Names names;
        int current;
        Change change;
        Names after;
        int currentAfter;
    };
    const std::vector<Case> cases = {
        {"delete 2 before the current",
         kFive,
         3,
         [](ProfileList& l) { return l.remove(2); },
         {"Standard", "Gaming", "Profile 3", "Profile 4"},
         2},
        {"delete the current",
         kFive,
         2,
         [](ProfileList& l) { return l.remove(2); },
         {"Standard", "Gaming", "Profile 3", "Profile 4"},
         2},
        {"delete the current last",
         kFive,
         4,
         [](ProfileList& l) { return l.remove(4); },
         {"Standard", "Gaming", "Profile 2", "Profile 3"},
         3},
        {"edit 2",
         kFive,
         2,
         [](ProfileList& l) { return l.rename(2, "Night"); },
         {"Standard", "Gaming", "Night", "Profile 3", "Profile 4"},
         2},
        {"edit 3 to its own name", kFive, 0,
         [](ProfileList& l) { return l.rename(3, "Profile 3"); }, kFive, 0},
        {"add a sixth",
         kFive,
         1,
         [](ProfileList& l) { return l.add("Sixth"); },
         {"Standard", "Gaming", "Profile 2", "Profile 3", "Profile 4", "Sixth"},
         1},
        {"select 4", kFive, 0, [](ProfileList& l) { return l.select(4); }, kFive, 4},
    };
    for (const Case& c : cases) {
        ProfileList list(c.names, c.current);
        const Status changed = c.change(list);
        EXPECT_TRUE(changed) << c.what << ": " << changed.message();
        EXPECT_EQ(list.names(), c.after) << c.what;
        EXPECT_EQ(list.current(), c.currentAfter) << c.what;
    }
}

TEST(ProfileListTest, ChangesTheRulesRefuseLeaveTheListAlone) {
    struct Case {
        const char* what;
        Names names;
        Change change;
    };
    const std::vector<Case> cases = {
        {"delete 0", kFive, [](ProfileList& l) { return l.remove(0); }},
        {"delete 1", kFive, [](ProfileList& l) { return l.remove(1); }},
        {"delete 5 of five", kFive, [](ProfileList& l) { return l.remove(5); }},
        {"delete -1", kFive, [](ProfileList& l) { return l.remove(-1); }},
        {"edit 0", kFive, [](ProfileList& l) { return l.rename(0, "X"); }},
        {"edit 1", kFive, [](ProfileList& l) { return l.rename(1, "X"); }},
        {"edit to a name in use", kFive, [](ProfileList& l) { return l.rename(2, "Gaming"); }},
        {"edit to nothing", kFive, [](ProfileList& l) { return l.rename(2, ""); }},
        {"edit to blanks", kFive, [](ProfileList& l) { return l.rename(2, "  "); }},
        {"edit to a padded name", kFive, [](ProfileList& l) { return l.rename(2, " a"); }},
        {"edit to a quoted name", kFive, [](ProfileList& l) { return l.rename(2, "\"a\""); }},
        {"edit to two lines", kFive, [](ProfileList& l) { return l.rename(2, "a\nb"); }},
        {"edit to a name too long to read back", kFive,
         [](ProfileList& l) { return l.rename(2, std::string(1024, 'x')); }},
        {"add a seventh", kSix, [](ProfileList& l) { return l.add("Seventh"); }},
        {"add a name in use", kFive, [](ProfileList& l) { return l.add("Profile 4"); }},
        {"select 5 of five", kFive, [](ProfileList& l) { return l.select(5); }},
        {"select in an empty list", {}, [](ProfileList& l) { return l.select(0); }},
    };
    for (const Case& c : cases) {
        ProfileList list(c.names, 1);
        const Status changed = c.change(list);
        EXPECT_FALSE(changed) << c.what;
        EXPECT_FALSE(changed.message().empty()) << c.what;
        EXPECT_EQ(changed.code(), 0) << c.what;
        EXPECT_EQ(list.names(), c.names) << c.what;
        EXPECT_EQ(list.current(), c.names.empty() ? 0 : 1) << c.what;
    }
}

TEST(ProfileListTest, ReadsTheProfileSectionOnlyWithAUsableCount) {
    const Result<ProfileList> read = ProfileList::FromIni(
        Ini("[PROFILE]\r\nCurProfileName=B\r\nItemCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\n"
            "Item3=stale\r\n"),
        2);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(read->names(), (Names{"A", "B", "C"}));
    EXPECT_EQ(read->current(), 2) << "the profile the program loaded";

    for (const char* text : {"", "[Skins]\r\nLan=EN\r\n", "[Profile]\r\nItem0=A\r\n"}) {
        const Result<ProfileList> none = ProfileList::FromIni(Ini(text), 0);
        ASSERT_TRUE(none) << text;
        EXPECT_TRUE(none->empty()) << text;
    }
    for (const char* count : {"0", "7", "-1", "abc", ""}) {
        const Result<ProfileList> bad = ProfileList::FromIni(
            Ini(std::string("[Profile]\r\nItemCount=") + count + "\r\nItem0=A\r\n"), 0);
        EXPECT_FALSE(bad) << count;
    }
}

TEST(ProfileListTest, WritesTheNamesAndDropsPositionsItNoLongerHas) {
    IniDocument doc =
        Ini("[Profile]\r\nCurProfileName=C\r\nItemCount=4\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\n"
            "Item3=D\r\n[Skins]\r\nLan=DE\r\n");
    ProfileList list({"A", "B", "D"}, 1);
    ASSERT_TRUE(list.WriteTo(doc));
    const std::vector<std::uint8_t> bytes = doc.Serialize();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[Profile]\r\nCurProfileName=B\r\nItemCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=D\r\n"
              "[Skins]\r\nLan=DE\r\n");
    const Result<ProfileList> back = ProfileList::FromIni(doc, 1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names(), list.names());
}

}  // namespace
}  // namespace gx508
