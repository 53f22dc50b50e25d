// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/store/IniFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using Names = std::vector<std::string>;

std::string ReadText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class MacroStoreTest : public ::testing::Test {
  protected:
    std::string get(std::string_view section, std::string_view key) const {
        return IniDocument::Load(m_store).Get(section, key).value_or("<missing>");
    }

    test::TempFolder m_folder;
    std::filesystem::path m_store = m_folder / "record.ini";
};

TEST_F(MacroStoreTest, WritesTheDocumentedLayout) {
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Macro, Names{"Macro_1"}));
    ASSERT_TRUE(SaveMacro(m_store, {"Macro_1", true, "1", {"A   Dn", "96 ms", "A   Up"}}));
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Gun, Names{}));

    EXPECT_EQ(ReadText(m_store),
              "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n"
              "[Macro_1]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=3\r\n"
              "Item0=A   Dn\r\nItem1=96 ms\r\nItem2=A   Up\r\n"
              "[GunMacroName]\r\nMacroCount=0\r\n0=\r\n");

    const LoadedMacro loaded = LoadMacro(m_store, "Macro_1");
    EXPECT_EQ(loaded.loopText, "1");
    EXPECT_EQ(loaded.items, (Names{"A   Dn", "96 ms", "A   Up"}));
    EXPECT_EQ(loaded.recordDelay, true);
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Macro), Names{"Macro_1"});
    EXPECT_TRUE(ListMacroNames(m_store, MacroKind::Gun).empty());
}

TEST_F(MacroStoreTest, SavingWithoutItemsRemovesTheSectionAndNameListShrinks) {
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Macro, Names{"a", "b", "c"}));
    ASSERT_TRUE(SaveMacro(m_store, {"a", false, "2", {"A   Dn"}}));
    ASSERT_TRUE(SaveMacro(m_store, {"a", false, "2", {}}));
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Macro, Names{"a"}));

    EXPECT_EQ(get("a", "MacroLoopTimes"), "<missing>");
    EXPECT_EQ(get("MacroName", "1"), "<missing>");
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Macro), Names{"a"});
}

TEST_F(MacroStoreTest, MissingFileListsNothingAndFullSaveWritesNothing) {
    EXPECT_TRUE(ListMacroNames(m_store, MacroKind::Macro).empty());
    EXPECT_TRUE(
        FullSave(m_store, MacroKind::Macro, Names{"Macro_1"}, {"Macro_1", false, "1", {"A   Dn"}}));
    EXPECT_TRUE(
        EditEndSave(m_store, MacroKind::Macro, Names{"Macro_1"}, {"Macro_1", false, "1", {}}));
    EXPECT_FALSE(FileExists(m_store));

    test::WriteText(m_store, "");
    ASSERT_TRUE(FullSave(m_store, MacroKind::Gun, Names{"Snipe", "GUN_4"},
                         {"GUN_4", true, "3", {"X: 1", "Y: 2"}}));
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Gun), (Names{"Snipe", "GUN_4"}));
    EXPECT_EQ(LoadMacro(m_store, "GUN_4").items, (Names{"X: 1", "Y: 2"}));
    EXPECT_EQ(get("GUN_4", "MacroLoopTimes"), "3");
}

// An empty macro has its name listed and no section; selecting it gives no items, the flag off
// and the loop text "1", which the manager writes back at once.
TEST_F(MacroStoreTest, EmptyMacroLoadsAsLoopOneAndWritesItBack) {
    test::WriteText(m_store, "");
    ASSERT_TRUE(FullSave(m_store, MacroKind::Macro, Names{"Macro_1"}, {"Macro_1", true, "1", {}}));
    const LoadedMacro loaded = LoadMacro(m_store, "Macro_1");
    EXPECT_TRUE(loaded.items.empty());
    EXPECT_EQ(loaded.recordDelay, false);
    const LoopCount loop = LoopCountOfText(loaded.loopText);
    EXPECT_EQ(loop.text, "1");
    ASSERT_TRUE(SaveLoopCount(m_store, "Macro_1", loop.value));
    EXPECT_EQ(ReadText(m_store),
              "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n"
              "[Macro_1]\r\nMacroLoopTimes=1\r\n");
}

TEST_F(MacroStoreTest, LoopCountFieldKeepsOneToMaximum) {
    struct Case {
        std::string typed;
        std::string text;
        long value;
    };
    const Case cases[] = {{"5", "5", 5}, {"65535", "65535", 65535},
                          {"0", "1", 1}, {"70000", "1", 1},
                          {"", "1", 1},  {"99999999999", "1", 1}};
    for (const Case& c : cases) {
        const LoopCount loop = LoopCountOfText(c.typed);
        EXPECT_EQ(loop.text, c.text) << c.typed;
        EXPECT_EQ(loop.value, c.value) << c.typed;
    }
}

TEST_F(MacroStoreTest, RecordDelayFlagOnLoad) {
    struct Case {
        const char* stored;  // nullptr: no key
        std::optional<bool> flag;
    };
    const Case cases[] = {
        {"1", true}, {"0", false}, {nullptr, false}, {"x", false}, {"2", std::nullopt}};
    for (const Case& c : cases) {
        std::string text = "[m]\nItemCount=1\nItem0=A   Dn\n";
        if (c.stored) {
            text += std::string("DelayTimeSelStatus=") + c.stored + "\n";
        }
        test::WriteText(m_store, text);
        EXPECT_EQ(LoadMacro(m_store, "m").recordDelay, c.flag) << (c.stored ? c.stored : "none");
    }
}

TEST_F(MacroStoreTest, HostileCountsAndValuesStayBounded) {
    struct Case {
        const char* what;
        std::string file;
        Names names;
        std::size_t items;
    };
    const Case cases[] = {
        {"huge counts end at the last key held",
         "[MacroName]\nMacroCount=100000000\n0=m\n1=n\n[m]\nItemCount=100000000\nItem0=A   "
         "Dn\nItem2=A   Up\n",
         {"m", "n"},
         3},
        {"negative counts",
         "[MacroName]\nMacroCount=-4\n0=m\n[m]\nItemCount=-1\nItem0=A   Dn\n",
         {},
         0},
        {"non-numeric counts",
         "[MacroName]\nMacroCount=abc\n0=m\n[m]\nItemCount=x3\nItem0=A   Dn\n",
         {},
         0},
        {"a missing name inside the count reads empty",
         "[MacroName]\nMacroCount=3\n0=m\n2=o\n[m]\n",
         {"m", "", "o"},
         0},
    };
    for (const Case& c : cases) {
        test::WriteText(m_store, c.file);
        EXPECT_EQ(ListMacroNames(m_store, MacroKind::Macro), c.names) << c.what;
        const LoadedMacro loaded = LoadMacro(m_store, "m");
        EXPECT_EQ(loaded.items.size(), c.items) << c.what;
    }
    test::WriteText(m_store, "[MacroName]\nMacroCount=1\n0=" + std::string(2000, 'n') +
                                 "\n[m]\nItemCount=2\nItem0=" + std::string(2000, 'x') +
                                 "\nItem1=\n");
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Macro), Names{std::string(1023, 'n')});
    EXPECT_EQ(LoadMacro(m_store, "m").items, (Names{std::string(1023, 'x'), ""}));
    EXPECT_TRUE(LoadMacro(m_store, "").items.empty());
}

TEST_F(MacroStoreTest, ListSectionsCannotBeWrittenAsMacros) {
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Macro, Names{"a"}));
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Gun, Names{"g"}));
    const std::string before = ReadText(m_store);

    EXPECT_FALSE(SaveMacro(m_store, {"MacroName", false, "1", {"A   Dn"}}));
    EXPECT_FALSE(SaveLoopCount(m_store, "gunmacroname", 1));
    EXPECT_FALSE(DeleteMacroSection(m_store, "MacroName"));
    EXPECT_FALSE(SaveMacro(m_store, {"", false, "1", {"A   Dn"}}));
    EXPECT_EQ(ReadText(m_store), before);

    // A hostile list naming a list section: the list is saved, the section is refused.
    EXPECT_FALSE(FullSave(m_store, MacroKind::Macro, Names{"GunMacroName"},
                          {"GunMacroName", false, "1", {"A   Dn"}}));
    EXPECT_EQ(get("MacroName", "0"), "GunMacroName");
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Gun), Names{"g"});
    EXPECT_EQ(get("GunMacroName", "ItemCount"), "<missing>");
}

TEST_F(MacroStoreTest, UnreadableStoreIsNeverReplaced) {
    std::filesystem::create_directory(m_store);
    EXPECT_FALSE(SaveNameList(m_store, MacroKind::Macro, Names{"a"}));
    EXPECT_FALSE(FullSave(m_store, MacroKind::Macro, Names{"a"}, {"a", false, "1", {"A   Dn"}}));
    EXPECT_TRUE(std::filesystem::is_directory(m_store));
}

// A store the user may not read (another user's, mode 600): every writer says why, with the
// system's error code, and the file keeps its bytes.
TEST_F(MacroStoreTest, EveryWriterRefusesAStoreTheUserMayNotRead) {
    using Path = std::filesystem::path;
    const MacroRecord macro{"a", false, "1", {"A   Dn"}};
    const std::vector<std::pair<const char*, std::function<Status(const Path&)>>> writers = {
        {"name list", [](const Path& p) { return SaveNameList(p, MacroKind::Macro, Names{"a"}); }},
        {"macro", [&](const Path& p) { return SaveMacro(p, macro); }},
        {"full save",
         [&](const Path& p) { return FullSave(p, MacroKind::Macro, Names{"a"}, macro); }},
        {"edit end",
         [&](const Path& p) { return EditEndSave(p, MacroKind::Macro, Names{"a"}, macro); }},
        {"loop count", [](const Path& p) { return SaveLoopCount(p, "a", 3); }},
        {"delete section", [](const Path& p) { return DeleteMacroSection(p, "a"); }},
        {"delete listed",
         [](const Path& p) {
             Names names{"a", "b"};
             return DeleteListedMacro(p, MacroKind::Macro, names, 0).status;
         }},
    };
    const std::string stored = "[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n";
    for (const auto& [name, write] : writers) {
        const test::Refusal refusal = test::RefusalOfUnreadableFile(stored, write);
        if (refusal == test::Refusal::NotRun) {
            GTEST_SKIP() << "cannot run as an ordinary user here";
        }
        EXPECT_EQ(refusal, test::Refusal::Refused) << name;
    }
}

// The edit-end save rewrites the section from the event list and the loop text read when the
// macro was selected, even without items, and keeps the record-delay flag.
TEST_F(MacroStoreTest, EditEndSaveRewritesTheSelectedSection) {
    test::WriteText(m_store, "[Old]\nMacroLoopTimes=9\nItemCount=1\nItem0=A   Dn\n");
    ASSERT_TRUE(DeleteMacroSection(m_store, "Old"));  // the name edit starts
    ASSERT_TRUE(
        EditEndSave(m_store, MacroKind::Macro, Names{"New"}, {"New", true, "9", {"B   Dn"}}));
    EXPECT_EQ(ReadText(m_store),
              "[MacroName]\r\nMacroCount=1\r\n0=New\r\n"
              "[New]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=9\r\n"
              "ItemCount=1\r\nItem0=B   Dn\r\n");
    ASSERT_TRUE(EditEndSave(m_store, MacroKind::Macro, Names{"New"}, {"New", false, "9", {}}));
    EXPECT_EQ(get("New", "ItemCount"), "0");
}

TEST_F(MacroStoreTest, DeleteSelectsTheSamePositionAndKeepsOtherSections) {
    struct Case {
        const char* what;
        int selected;
        Names after;
        int selection;
        bool deleted;
    };
    const Case cases[] = {
        {"second of three", 1, {"a", "c"}, 1, true},
        {"last of three", 2, {"a", "b"}, 1, true},
        {"nothing selected", -1, {"a", "b", "c"}, -1, false},
        {"selection past the list", 3, {"a", "b", "c"}, 3, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(m_store);
        Names names = {"a", "b", "c"};
        ASSERT_TRUE(SaveNameList(m_store, MacroKind::Macro, names));
        for (const std::string& name : names) {
            ASSERT_TRUE(SaveMacro(m_store, {name, false, "1", {name + "   Dn"}}));
        }
        const MacroDeletion deletion =
            DeleteListedMacro(m_store, MacroKind::Macro, names, c.selected);
        EXPECT_TRUE(deletion.status) << c.what;
        EXPECT_EQ(deletion.deleted, c.deleted) << c.what;
        EXPECT_EQ(deletion.selection, c.selection) << c.what;
        EXPECT_EQ(names, c.after) << c.what;
        EXPECT_EQ(ListMacroNames(m_store, MacroKind::Macro), c.after) << c.what;
        for (const std::string& name : c.after) {
            EXPECT_EQ(LoadMacro(m_store, name).items, Names{name + "   Dn"}) << c.what;
        }
        if (c.deleted) {
            // A button bound to position 2 now reads an empty name, which has no items.
            EXPECT_EQ(MacroStoreSnapshot::Load(m_store).nameAt(MacroKind::Macro, 2), "") << c.what;
        }
    }
}

TEST_F(MacroStoreTest, DeletingTheLastMacroLeavesTheEmptyList) {
    Names names = {"only"};
    ASSERT_TRUE(SaveMacro(m_store, {"only", false, "1", {"A   Dn"}}));
    const MacroDeletion deletion = DeleteListedMacro(m_store, MacroKind::Gun, names, 0);
    EXPECT_EQ(deletion.selection, -1);
    EXPECT_EQ(ReadText(m_store), "[GunMacroName]\r\nMacroCount=0\r\n0=\r\n");
}

// A manager that is cancelled puts its list back: names, sections and their keys as they were,
// the other kind's list and sections untouched, even after renames, deletions and new macros.
TEST_F(MacroStoreTest, RestoringACaptureUndoesEveryEditOfItsKind) {
    const std::string original =
        "[MacroName]\r\nMacroCount=1\r\n0=Macro_1\r\n"
        "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=1\r\n"
        "Item0=A   Dn\r\n"
        "[GunMacroName]\r\nMacroCount=3\r\n0=Snipe\r\n1=GUN_1\r\n2=GUN_2\r\n"
        "[GUN_1]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=4\r\nItemCount=2\r\n"
        "Item0=X: 1\r\nItem1=Y: 2\r\n"
        "[GUN_2]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=0\r\n";
    test::WriteText(m_store, original);
    const MacroListCapture capture = CaptureMacroList(m_store, MacroKind::Gun);

    Names guns = {"Snipe", "GUN_1", "GUN_2"};
    ASSERT_TRUE(DeleteListedMacro(m_store, MacroKind::Gun, guns, 1).status);
    guns = {"Snipe", "Renamed", "GUN_3"};
    ASSERT_TRUE(FullSave(m_store, MacroKind::Gun, guns, {"GUN_3", false, "1", {"X: 0", "Y: 0"}}));
    ASSERT_TRUE(FullSave(m_store, MacroKind::Gun, guns, {"Renamed", false, "1", {"K   Dn"}}));
    ASSERT_TRUE(SaveMacro(m_store, {"Macro_1", false, "1", {"B   Dn"}}));

    ASSERT_TRUE(RestoreMacroList(m_store, MacroKind::Gun, capture));
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Gun), (Names{"Snipe", "GUN_1", "GUN_2"}));
    const LoadedMacro gun1 = LoadMacro(m_store, "GUN_1");
    EXPECT_EQ(gun1.items, (Names{"X: 1", "Y: 2"}));
    EXPECT_EQ(gun1.loopText, "4");
    EXPECT_EQ(gun1.recordDelay, true);
    EXPECT_EQ(get("GUN_2", "ItemCount"), "0");
    EXPECT_EQ(get("GUN_3", "ItemCount"), "<missing>");
    EXPECT_EQ(get("Renamed", "ItemCount"), "<missing>");
    EXPECT_EQ(get("Snipe", "ItemCount"), "<missing>");
    EXPECT_EQ(get("Macro_1", "Item0"), "B   Dn");

    // Restoring what is already there writes the same list back.
    const std::string restored = ReadText(m_store);
    ASSERT_TRUE(RestoreMacroList(m_store, MacroKind::Gun, capture));
    EXPECT_EQ(ReadText(m_store), restored);
}

TEST_F(MacroStoreTest, RestoringWithoutAFileOrListAtTheCapture) {
    const MacroListCapture none = CaptureMacroList(m_store, MacroKind::Gun);
    ASSERT_TRUE(SaveNameList(m_store, MacroKind::Gun, Names{"GUN_1"}));
    ASSERT_TRUE(RestoreMacroList(m_store, MacroKind::Gun, none));
    EXPECT_EQ(ListMacroNames(m_store, MacroKind::Gun), Names{"GUN_1"});

    test::WriteText(m_store, "[MacroName]\r\nMacroCount=0\r\n0=\r\n");
    const MacroListCapture noList = CaptureMacroList(m_store, MacroKind::Gun);
    ASSERT_TRUE(
        FullSave(m_store, MacroKind::Gun, Names{"GUN_1"}, {"GUN_1", false, "1", {"K   Dn"}}));
    ASSERT_TRUE(RestoreMacroList(m_store, MacroKind::Gun, noList));
    EXPECT_EQ(ReadText(m_store), "[MacroName]\r\nMacroCount=0\r\n0=\r\n");
}

}  // namespace
}  // namespace gx508
