// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ProfileOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteText;

using Names = std::vector<std::string>;
using FolderBytes = std::map<std::string, std::vector<std::uint8_t>>;

// A program folder with a profile list of `names`, and for each profile a settings file whose
// block is filled with one byte of its own and a settings ini naming its button 1 after it.
class ProfileOperationsTest : public ::testing::Test {
  protected:
    void MakeFolder(const Names& names, const std::string& current) {
        std::string list = "[Profile]\r\nCurProfileName=" + current +
                           "\r\nItemCount=" + std::to_string(names.size()) + "\r\n";
        for (std::size_t k = 0; k < names.size(); ++k) {
            list += "Item" + std::to_string(k) + "=" + names[k] + "\r\n";
            WriteBytes(folder / ("config" + std::to_string(k) + ".bin"),
                       SettingsFile(static_cast<std::uint8_t>(0x10 + k)));
            WriteText(folder / ("str" + std::to_string(k) + ".ini"),
                      "[Setting-EN]\r\nItem1=label of " + names[k] + "\r\n[Key11]\r\nGun0=gun " +
                          names[k] + "\r\n");
        }
        WriteText(folder / "str.ini", list + "[Skins]\r\nLan=EN\r\n");
        Reload();
    }

    // What a program started now would have in memory.
    void Reload() {
        state = std::make_unique<SharedState>(folder.path(), log);
        StartupLoad(*state);
    }

    static std::vector<std::uint8_t> SettingsFile(std::uint8_t fill) {
        std::vector<std::uint8_t> bytes(kSettingsFileSize, fill);
        bytes[0] = 1;
        return bytes;
    }

    FolderBytes Bytes() const {
        FolderBytes files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            if (entry.is_regular_file()) {
                files[entry.path().lexically_relative(folder.path()).string()] =
                    ReadBytes(entry.path());
            }
        }
        return files;
    }

    // The two files of each profile, by its name.
    std::map<std::string, std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>>
    FilesByName() const {
        std::map<std::string, std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>>
            files;
        const Names names = ListedNames();
        for (std::size_t k = 0; k < names.size(); ++k) {
            files[names[k]] = {ReadBytes(folder / ("config" + std::to_string(k) + ".bin")),
                               ReadBytes(folder / ("str" + std::to_string(k) + ".ini"))};
        }
        return files;
    }

    Names ListedNames() const {
        const Result<ProfileList> list = ReadProfileList(*state);
        EXPECT_TRUE(list) << list.message();
        return list ? list->names() : Names{};
    }

    std::string CurrentName() const {
        return ReadIniString(folder / "str.ini", "Profile", "CurProfileName");
    }

    test::TempFolder folder;
    NullLog log;
    std::unique_ptr<SharedState> state;
};

const Names kFive = {"Standard", "Gaming", "Night", "Race", "Office"};

TEST_F(ProfileOperationsTest, DeletingMovesEveryLaterProfileWithItsOwnFiles) {
    MakeFolder(kFive, "Office");
    ASSERT_EQ(state->currentProfile, 4);
    auto before = FilesByName();

    ASSERT_TRUE(DeleteProfile(*state, 2));

    EXPECT_EQ(ListedNames(), (Names{"Standard", "Gaming", "Race", "Office"}));
    before.erase("Night");
    EXPECT_TRUE(FilesByName() == before) << "each name keeps its settings";
    for (const char* gone :
         {"config4.bin", "str4.ini", "config2.bin.deleted", "str2.ini.deleted"}) {
        EXPECT_FALSE(fs::exists(folder / gone)) << gone;
    }
    EXPECT_EQ(CurrentName(), "Office");
    EXPECT_EQ(state->currentProfile, 3);
    EXPECT_EQ(state->paths.settingsFile, folder / "config3.bin");

    // The next start loads the current profile from its own file.
    Reload();
    EXPECT_EQ(state->currentProfile, 3);
    EXPECT_EQ(state->block.byte(5), 0x14);
    EXPECT_EQ(state->labels[0], "label of Office");
}

TEST_F(ProfileOperationsTest, DeletingTheCurrentProfileLoadsTheOneTakingItsPlace) {
    MakeFolder(kFive, "Night");
    ASSERT_TRUE(DeleteProfile(*state, 2));
    EXPECT_EQ(state->currentProfile, 2);
    EXPECT_EQ(CurrentName(), "Race");
    EXPECT_EQ(state->block.byte(5), 0x13);
    EXPECT_EQ(state->labels[0], "label of Race");
    EXPECT_EQ(state->saved, state->block);

    ASSERT_TRUE(DeleteProfile(*state, 3));
    EXPECT_EQ(ListedNames(), (Names{"Standard", "Gaming", "Race"}));
    EXPECT_EQ(state->currentProfile, 2) << "deleting a later profile keeps the current one";
    ASSERT_TRUE(RenameProfile(*state, 2, "Rally"));
    EXPECT_EQ(CurrentName(), "Rally") << "renaming the current profile renames it in the list";
    ASSERT_TRUE(DeleteProfile(*state, 2));
    EXPECT_EQ(state->currentProfile, 1) << "the last one was deleted";
    EXPECT_EQ(CurrentName(), "Gaming");
    EXPECT_EQ(state->block.byte(5), 0x11);
}

// A step of the delete that fails for real, after some files have moved: every file comes back
// and the list stays as it was.
TEST_F(ProfileOperationsTest, ADeleteThatFailsHalfwayPutsEveryFileBack) {
    for (const char* blocker : {"str2.ini.deleted", "str.ini.tmp"}) {
        SCOPED_TRACE(blocker);
        fs::remove_all(folder.path());
        fs::create_directories(folder.path());
        MakeFolder(kFive, "Office");
        // A folder that is not empty cannot be replaced by a file.
        fs::create_directories(folder / blocker / "in-the-way");
        const FolderBytes before = Bytes();

        const Status deleted = DeleteProfile(*state, 2);
        ASSERT_FALSE(deleted);
        EXPECT_NE(deleted.code(), 0);
        EXPECT_NE(deleted.message().find("profile 2 not deleted"), std::string::npos)
            << deleted.message();
        EXPECT_NE(deleted.message().find("every file is back in place"), std::string::npos)
            << deleted.message();
        EXPECT_TRUE(Bytes() == before);
        EXPECT_EQ(state->currentProfile, 4);
    }
}

TEST_F(ProfileOperationsTest, RefusalsChangeNoFile) {
    const Names six = {"Standard", "Gaming", "A", "B", "C", "D"};
    struct Case {
        const char* what;
        Names names;
        std::function<Status(SharedState&)> run;
    };
    const std::vector<Case> cases = {
        {"delete 0", kFive, [](SharedState& s) { return DeleteProfile(s, 0); }},
        {"delete 1", kFive, [](SharedState& s) { return DeleteProfile(s, 1); }},
        {"delete 5 of five", kFive, [](SharedState& s) { return DeleteProfile(s, 5); }},
        {"edit 0", kFive, [](SharedState& s) { return RenameProfile(s, 0, "X"); }},
        {"edit 1", kFive, [](SharedState& s) { return RenameProfile(s, 1, "X"); }},
        {"edit to a name in use", kFive,
         [](SharedState& s) { return RenameProfile(s, 3, "Night"); }},
        {"new on six", six, [](SharedState& s) { return Status(NewProfile(s).failure()); }},
        {"copy on six", six, [](SharedState& s) { return Status(CopyProfile(s, 2).failure()); }},
        {"copy a missing profile", kFive,
         [](SharedState& s) { return Status(CopyProfile(s, 7).failure()); }},
        {"new with a name in use", kFive,
         [](SharedState& s) { return Status(NewProfile(s, "Race").failure()); }},
        {"choose 5 of five", kFive,
         [](SharedState& s) { return Status(ChooseProfile(s, 5, false).failure()); }},
        {"export 5 of five", kFive,
         [this](SharedState& s) { return Status(ExportProfile(s, 5, folder / "out").failure()); }},
    };
    for (const Case& c : cases) {
        fs::remove_all(folder.path());
        fs::create_directories(folder.path());
        MakeFolder(c.names, "Standard");
        const FolderBytes before = Bytes();
        const Status refused = c.run(*state);
        EXPECT_FALSE(refused) << c.what;
        EXPECT_EQ(refused.code(), 0) << c.what << ": " << refused.message();
        EXPECT_TRUE(Bytes() == before) << c.what;
    }
}

TEST_F(ProfileOperationsTest, NewStartsFromTheSettingsInMemoryAndLeavesNoStaleFile) {
    MakeFolder({"Standard", "Gaming", "Profile 10"}, "Gaming");
    // Files left at position 3 by something else must not become the new profile's.
    WriteBytes(folder / "config3.bin", SettingsFile(0x77));
    WriteText(folder / "str3.ini", "[Stale]\r\nKey=1\r\n");
    state->block.setByte(5, 0x5A);
    state->labels[0] = "edited";

    const Result<int> added = NewProfile(*state);
    ASSERT_TRUE(added) << added.message();
    EXPECT_EQ(*added, 3);
    EXPECT_EQ(ListedNames().back(), "Profile 11");
    EXPECT_EQ(CurrentName(), "Gaming");
    const std::vector<std::uint8_t> file = ReadBytes(folder / "config3.bin");
    ASSERT_EQ(file.size(), kSettingsFileSize);
    EXPECT_EQ(file[6], 0x5A);
    EXPECT_EQ(ReadIniString(folder / "str3.ini", "Setting-EN", "Item1"), "edited");
    EXPECT_EQ(ReadIniString(folder / "str3.ini", "Stale", "Key", "none"), "none");

    state->texts = LanguageTable::For("DE");
    ASSERT_TRUE(NewProfile(*state));
    EXPECT_EQ(ListedNames().back(), "Profil 12");
}

TEST_F(ProfileOperationsTest, CopyTakesTheSelectedProfilesFilesNotTheSettingsInMemory) {
    MakeFolder({"Standard", "Gaming", "Night"}, "Standard");
    state->block.setByte(5, 0x5A);
    const Result<int> copied = CopyProfile(*state, 2);
    ASSERT_TRUE(copied) << copied.message();
    EXPECT_EQ(*copied, 3);
    EXPECT_EQ(ListedNames().back(), "Copy Night");
    EXPECT_EQ(ReadBytes(folder / "config3.bin"), ReadBytes(folder / "config2.bin"));
    EXPECT_EQ(ReadBytes(folder / "str3.ini"), ReadBytes(folder / "str2.ini"));

    // A profile without files of its own gives a copy without them, not a stale file.
    fs::remove(folder / "config1.bin");
    WriteBytes(folder / "config4.bin", SettingsFile(0x77));
    ASSERT_TRUE(CopyProfile(*state, 1));
    EXPECT_FALSE(fs::exists(folder / "config4.bin"));
    EXPECT_EQ(ReadBytes(folder / "str4.ini"), ReadBytes(folder / "str1.ini"));
    EXPECT_FALSE(CopyProfile(*state, 2)) << "a second \"Copy Night\"";
}

TEST_F(ProfileOperationsTest, ChoosingLoadsAndSavesOnlyAnotherProfile) {
    MakeFolder(kFive, "Standard");
    state->block.setByte(5, 0x5A);
    const FolderBytes before = Bytes();
    const Result<ProfileChoice> same = ChooseProfile(*state, 0, false);
    ASSERT_TRUE(same);
    EXPECT_EQ(*same, ProfileChoice::Unchanged);
    EXPECT_TRUE(Bytes() == before) << "closing without a change saves nothing";
    EXPECT_EQ(state->block.byte(5), 0x5A) << "and loads nothing";

    const Result<ProfileChoice> other = ChooseProfile(*state, 3, false);
    ASSERT_TRUE(other);
    EXPECT_EQ(*other, ProfileChoice::Loaded);
    EXPECT_EQ(state->currentProfile, 3);
    EXPECT_EQ(state->block.byte(5), 0x13);
    EXPECT_EQ(state->labels[0], "label of Race");
    EXPECT_EQ(state->saved, state->block);
    EXPECT_EQ(CurrentName(), "Race");
    EXPECT_EQ(ReadBytes(folder / "config0.bin"), before.at("config0.bin"))
        << "the edits in memory went with the profile left";

    // A profile without files starts as the settings in memory, labels included.
    fs::remove(folder / "config4.bin");
    fs::remove(folder / "str4.ini");
    ASSERT_TRUE(ChooseProfile(*state, 4, false));
    const std::vector<std::uint8_t> started = ReadBytes(folder / "config4.bin");
    const std::vector<std::uint8_t> race = ReadBytes(folder / "config3.bin");
    ASSERT_EQ(started.size(), kSettingsFileSize);
    EXPECT_EQ(started[1], 4) << "the block's profile byte is the position chosen";
    EXPECT_TRUE(std::equal(started.begin() + 2, started.end(), race.begin() + 2));
    EXPECT_EQ(ReadIniString(folder / "str4.ini", "Setting-EN", "Item1"), "label of Race");
}

TEST_F(ProfileOperationsTest, ExportThenImportCarriesTheProfile) {
    MakeFolder(kFive, "Standard");
    const fs::path exported = folder / "out" / "night";
    fs::create_directories(exported.parent_path());
    const Result<fs::path> written = ExportProfile(*state, 2, exported);
    ASSERT_TRUE(written) << written.message();
    EXPECT_EQ(*written, folder / "out" / "night.bin");
    EXPECT_EQ(ReadBytes(*written), ReadBytes(folder / "config2.bin"));
    EXPECT_EQ(ReadIniString(folder / "out" / "night.ini", "Key5", "Gun0"), "gun Night");
    EXPECT_EQ(state->block.byte(5), 0x10) << "exporting another profile leaves memory alone";

    // The current profile goes out as it is in memory, over the pair written before.
    state->block.setByte(5, 0x5A);
    state->labels[0] = "edited";
    ASSERT_TRUE(ExportProfile(*state, 0, *written));
    EXPECT_EQ(ReadBytes(*written)[6], 0x5A);
    EXPECT_EQ(ReadIniString(folder / "out" / "night.ini", "Setting-EN", "Item1"), "edited");

    Reload();
    ASSERT_TRUE(ImportProfile(*state, *written));
    EXPECT_EQ(state->block.byte(5), 0x5A);
    EXPECT_EQ(state->labels[0], "edited");
    EXPECT_EQ(ReadBytes(folder / "config0.bin")[6], 0x10) << "an import saves nothing itself";
    const Result<ProfileChoice> saved = ChooseProfile(*state, 3, true);
    ASSERT_TRUE(saved) << saved.message();
    EXPECT_EQ(*saved, ProfileChoice::ImportSaved);
    EXPECT_EQ(ReadBytes(folder / "config3.bin"), ReadBytes(*written));
    EXPECT_EQ(ReadIniString(folder / "str3.ini", "Setting-EN", "Item1"), "edited");
    EXPECT_EQ(CurrentName(), "Race");
}

TEST_F(ProfileOperationsTest, ImportOfABadPairChangesNothing) {
    MakeFolder(kFive, "Standard");
    const fs::path pair = folder / "in.bin";
    struct Case {
        const char* what;
        std::function<void()> make;
        fs::path file;
        bool systemError;
        const char* named;  // the file the failure names
    };
    const std::vector<Case> cases = {
        {"one byte short",
         [&] {
             std::vector<std::uint8_t> bytes = SettingsFile(0x66);
             bytes.pop_back();
             WriteBytes(pair, bytes);
             WriteText(folder / "in.ini", "[Setting-EN]\r\nItem1=imported\r\n");
         },
         pair, false, "in.bin"},
        {"one byte long",
         [&] {
             std::vector<std::uint8_t> bytes = SettingsFile(0x66);
             bytes.push_back(0);
             WriteBytes(pair, bytes);
         },
         pair, false, "in.bin"},
        {"no ini beside it",
         [&] {
             WriteBytes(pair, SettingsFile(0x66));
             fs::remove(folder / "in.ini");
         },
         pair, true, "in.ini"},
        {"an ini that is a folder", [&] { fs::create_directories(folder / "in.ini" / "x"); }, pair,
         true, "in.ini"},
        {"no settings file", [] {}, folder / "missing.bin", true, "missing.bin"},
        {"not a .bin file", [] {}, folder / "str0.ini", false, "str0.ini"},
    };
    for (const Case& c : cases) {
        c.make();
        const FolderBytes before = Bytes();
        const SettingsBlock block = state->block;
        const auto labels = state->labels;
        const Status imported = ImportProfile(*state, c.file);
        EXPECT_FALSE(imported) << c.what;
        EXPECT_EQ(imported.code() != 0, c.systemError) << c.what << ": " << imported.message();
        EXPECT_NE(imported.message().find(c.named), std::string::npos) << imported.message();
        EXPECT_EQ(state->block, block) << c.what;
        EXPECT_EQ(state->labels, labels) << c.what;
        EXPECT_TRUE(Bytes() == before) << c.what;
    }
}

TEST_F(ProfileOperationsTest, ExportNeverReplacesWhatItCannotRead) {
    MakeFolder(kFive, "Standard");
    fs::create_directories(folder / "taken.bin" / "x");
    const FolderBytes before = Bytes();
    const Result<fs::path> written = ExportProfile(*state, 2, folder / "taken.bin");
    EXPECT_FALSE(written);
    EXPECT_NE(written.code(), 0);
    EXPECT_FALSE(fs::exists(folder / "taken.ini")) << "no half of a pair";
    EXPECT_TRUE(Bytes() == before);
}

}  // namespace
}  // namespace gx508
