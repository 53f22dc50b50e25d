// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SettingsFiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/store/IniFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using test::WriteText;

constexpr const char* kMissing = "Config file is not exist.\n";

class SettingsFilesTest : public ::testing::Test {
  protected:
    SettingsFilesTest() : state(std::make_unique<SharedState>(folder.path(), log)) {}

    // A settings file whose block bytes count 1, 2, 3, ... (mod 251), after the flag byte.
    static std::vector<std::uint8_t> Pattern(std::size_t blockBytes, std::uint8_t flag = 1) {
        std::vector<std::uint8_t> bytes{flag};
        for (std::size_t k = 0; k < blockBytes; ++k) {
            bytes.push_back(static_cast<std::uint8_t>(1 + k % 251));
        }
        return bytes;
    }

    void WriteProfileList(const std::string& count, const std::string& current) {
        WriteText(folder / "str.ini", "[Profile]\r\nCurProfileName=" + current +
                                          "\r\nItemCount=" + count + "\r\nItem0=A\r\nItem1=B\r\n");
    }

    test::TempFolder folder;
    RecordingLog log;
    std::unique_ptr<SharedState> state;
};

TEST_F(SettingsFilesTest, StartupLoadFindsTheCurrentProfileByName) {
    WriteProfileList("2", "B");
    WriteBytes(folder / "config1.bin", Pattern(block::kSize, 7));
    LoadProfileSettings(*state);

    EXPECT_EQ(state->currentProfile, 1);
    EXPECT_EQ(state->paths.settingsFile, folder / "config1.bin");
    EXPECT_EQ(state->paths.settingsIni, folder / "str1.ini");
    EXPECT_EQ(state->firstRunFlag, 7);
    EXPECT_EQ(state->block.byte(0), 1);
    EXPECT_EQ(state->block.byte(block::kSize - 1), 1 + (block::kSize - 1) % 251);
    EXPECT_EQ(log.lines(),
              std::vector<std::string>{"Program First Run Flag:7\nRead Size is: 65400"});
}

TEST_F(SettingsFilesTest, ProfileListWithoutAUsableCountLoadsNothing) {
    WriteBytes(folder / "config0.bin", Pattern(block::kSize));
    WriteBytes(folder / "config3.bin", Pattern(block::kSize));
    for (const char* count : {"0", "7", "-1", "abc", "", "100000000"}) {
        WriteProfileList(count, "A");
        state->currentProfile = 3;
        LoadProfileSettings(*state);
        EXPECT_EQ(state->block, SettingsBlock()) << "count " << count;
        EXPECT_EQ(state->currentProfile, 3);
        EXPECT_TRUE(log.lines().empty());
    }
    std::filesystem::remove(folder / "str.ini");
    LoadProfileSettings(*state);
    EXPECT_EQ(state->block, SettingsBlock());
}

TEST_F(SettingsFilesTest, ProfileNamesMatchExactly) {
    WriteProfileList("2", "b");
    state->currentProfile = 4;
    LoadProfileSettings(*state);
    EXPECT_EQ(state->currentProfile, 4);
    EXPECT_EQ(state->paths.settingsFile, folder / "config4.bin");
    EXPECT_EQ(log.lines(), std::vector<std::string>{kMissing});
}

TEST_F(SettingsFilesTest, SettingsFilesOfEveryShapeGiveADefinedResult) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        std::size_t read;  // bytes that replace the start of the block
        std::string logLine;
    };
    const std::vector<Case> cases = {
        {"empty", {}, 0, "Program First Run Flag:0\nRead Size is: 0"},
        {"flag only", {1}, 0, "Program First Run Flag:1\nRead Size is: 0"},
        {"short", Pattern(100, 0), 100, "Program First Run Flag:0\nRead Size is: 100"},
        {"one byte short", Pattern(block::kSize - 1), block::kSize - 1,
         "Program First Run Flag:1\nRead Size is: 65399"},
        {"long", Pattern(block::kSize + 50), block::kSize,
         "Program First Run Flag:1\nRead Size is: 65400"},
    };
    for (const Case& c : cases) {
        state->block.fill(0, block::kSize, 0xEE);
        state->firstRunFlag = 0;
        log.clear();
        WriteBytes(folder / "config2.bin", c.file);
        LoadProfile(*state, 2);
        for (std::size_t k = 0; k < block::kSize; k += 97) {
            const std::uint8_t expected =
                k < c.read ? static_cast<std::uint8_t>(1 + k % 251) : 0xEE;
            ASSERT_EQ(state->block.byte(k), expected) << c.name << " offset " << k;
        }
        EXPECT_EQ(state->block.byte(block::kSize - 1),
                  c.read == block::kSize ? 1 + 65399 % 251 : 0xEE);
        EXPECT_EQ(log.lines(), std::vector<std::string>{c.logLine}) << c.name;
    }
}

TEST_F(SettingsFilesTest, MissingOrUnopenableFilesLeaveTheBlockUnchanged) {
    state->block.fill(0, block::kSize, 0x42);
    const SettingsBlock before = state->block;

    LoadProfile(*state, 2);
    EXPECT_EQ(log.lines().back(), "Config file is not exist.");

    std::filesystem::create_directory(folder / "config2.bin");
    LoadProfile(*state, 2);
    EXPECT_EQ(log.lines().back(), "Config file cannot be opened.\n");
    EXPECT_EQ(state->block, before);
    EXPECT_EQ(state->paths.settingsIni, folder / "str2.ini");
}

// A settings file the program may replace but not read holds the user's settings: the load
// keeps the block in memory, and the save after it must fail rather than write that block over
// the file. Once the file reads again, or when it was missing, the save goes through.
TEST_F(SettingsFilesTest, SaveDoesNotReplaceAFileTheLoadCouldNotRead) {
    const std::string stored(kSettingsFileSize, '\x5A');
    const std::filesystem::path file = test::WriteOwnerOnlyFile(folder, "config2.bin", stored);
    const int result = test::RunAsOrdinaryUser([&] {
        RecordingLog childLog;
        SharedState child(folder.path(), childLog);
        child.currentProfile = 2;
        LoadProfile(child, 2);
        const Status refused = SaveProfileSettings(child);
        std::filesystem::remove(folder / "config3.bin");
        child.currentProfile = 3;
        LoadProfile(child, 3);
        const Status missingSaved = SaveProfileSettings(child);
        return !refused && refused.code() == EACCES && missingSaved.ok();
    });
    if (result < 0) {
        GTEST_SKIP() << "cannot run as an ordinary user here";
    }
    EXPECT_EQ(result, 0);
    const std::vector<std::uint8_t> kept = ReadBytes(file);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), stored);
    EXPECT_TRUE(std::filesystem::exists(folder / "config3.bin"));

    std::filesystem::permissions(file, std::filesystem::perms::all);
    state->currentProfile = 2;
    LoadProfile(*state, 2);
    state->block.setByte(0, 0x01);
    ASSERT_TRUE(SaveProfileSettings(*state));
    EXPECT_EQ(ReadBytes(file)[1], 0x01);
}

TEST_F(SettingsFilesTest, SaveWritesTheFlagAndTheBlock) {
    state->currentProfile = 3;
    state->block.fill(0, block::kSize, 0x11);
    state->block.setByte(block::kSize - 1, 0x99);
    ASSERT_TRUE(SaveProfileSettings(*state));

    const auto bytes = ReadBytes(folder / "config3.bin");
    ASSERT_EQ(bytes.size(), 65401u);
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x11);
    EXPECT_EQ(bytes[65400], 0x99);
    EXPECT_EQ(state->paths.settingsIni, folder / "str3.ini");
    EXPECT_EQ(log.lines(),
              std::vector<std::string>{"Data num:1 BYTE -65400 BYTE\n Struct size:65400 BYTE"});
    EXPECT_FALSE(std::filesystem::exists(folder / "config3.bin.tmp"));

    SharedState reloaded(folder.path(), log);
    LoadProfile(reloaded, 3);
    EXPECT_EQ(reloaded.block, state->block);
}

TEST_F(SettingsFilesTest, AFailedSaveIsReportedAndLogged) {
    std::filesystem::create_directory(folder / "config0.bin");
    const Status status = SaveProfileSettings(*state);
    EXPECT_FALSE(status);
    EXPECT_NE(status.code(), 0);
    EXPECT_EQ(log.lines(),
              std::vector<std::string>{"Error Code is: " + std::to_string(status.code()) + " \n"});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "config0.bin"));

    SharedState elsewhere(folder / "no-such-folder", log);
    EXPECT_FALSE(SaveProfileSettings(elsewhere));
}

TEST_F(SettingsFilesTest, RestoringDefaultsReadsTheBaseFiles) {
    WriteBytes(folder / "config.bin", Pattern(block::kSize, 1));
    state->defaultsRestored = true;
    for (int profile : {0, 1, 4}) {
        state->currentProfile = profile;
        LoadProfileSettings(*state);
        EXPECT_EQ(state->paths.settingsFile, folder / "config.bin");
        EXPECT_EQ(state->paths.settingsIni, folder / (profile == 1 ? "strGaming.ini" : "str.ini"));
        EXPECT_EQ(state->block.byte(0), 1);
    }
}

TEST_F(SettingsFilesTest, SettingsIniRoundTripKeepsOtherLines) {
    state->texts = LanguageTable::For("DE");
    const auto ini = folder / "str0.ini";
    WriteText(ini, "; shipped\r\n[Skins]\r\nLan=DE\r\n\r\n[Setting-EN]\r\nItem1=Click\r\n");
    for (int k = 0; k < kLabelCount; ++k) {
        state->labels[static_cast<std::size_t>(k)] = "Label " + std::to_string(k);
    }
    state->gunNames = {"Snipe", "AKM", "Mine", ""};
    ASSERT_TRUE(WriteSettingsIniItems(*state, ini));

    EXPECT_EQ(ReadIniString(ini, "Setting-DE", "Item12"), "Label 11");
    EXPECT_EQ(ReadIniString(ini, "Setting-EN", "Item1"), "Click");
    for (int d = 0; d < 12; ++d) {
        EXPECT_EQ(ReadIniString(ini, "Key" + std::to_string(d), "Gun2"), "Mine");
    }
    const auto bytes = ReadBytes(ini);
    const std::string head =
        "; shipped\r\n[Skins]\r\nLan=DE\r\n\r\n[Setting-EN]\r\nItem1=Click\r\n";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()).substr(0, head.size()), head);

    SharedState reread(folder.path(), log);
    reread.texts = LanguageTable::For("DE");
    ReadSettingsIni(reread, ini);
    EXPECT_EQ(reread.labels, state->labels);
    EXPECT_EQ(reread.gunNames, state->gunNames);
}

// A settings ini the user may not read (another user's, mode 600) keeps its labels, language
// and profile list; the write says why.
TEST_F(SettingsFilesTest, AnIniTheUserMayNotReadIsNotReplaced) {
    state->texts = LanguageTable::For("EN");
    state->labels[0] = "Click";
    const test::Refusal refusal = test::RefusalOfUnreadableFile(
        "[Skins]\r\nLan=EN\r\n[Setting-EN]\r\nItem1=Mine\r\n[Profile]\r\nItemCount=1\r\n",
        [&](const std::filesystem::path& ini) {
            const Status written = WriteSettingsIniItems(*state, ini);
            return written.ok() || log.lines().empty() ||
                           log.lines().back().find(written.message()) == std::string::npos
                       ? Status::Error("the refusal was not logged")
                       : written;
        });
    if (refusal == test::Refusal::NotRun) {
        GTEST_SKIP() << "cannot run as an ordinary user here";
    }
    EXPECT_EQ(refusal, test::Refusal::Refused);
}

TEST_F(SettingsFilesTest, GunNamesComeFromTheLastKeySection) {
    state->texts = LanguageTable::For("EN");
    state->paths.settingsIni = folder / "str0.ini";
    WriteText(state->paths.settingsIni,
              "[Setting-EN]\nItem1=Menu\nItem13=extra\n[Key0]\nGun0=first\nGun1=first\n"
              "[Key11]\nGun0=last\n[Skins]\nRColor=255\n[Point]\nMouseSpeed_Y=3\n");
    ReadSettingsIni(*state);
    EXPECT_EQ(state->labels[0], "Menu");
    EXPECT_EQ(state->labels[1], "");
    EXPECT_EQ(state->extraLabels[0], "extra");
    EXPECT_EQ(state->gunNames[0], "last");
    EXPECT_EQ(state->gunNames[1], "") << "a key missing from Key11 reads as empty";
    EXPECT_EQ(state->unusedIni.red, "255");
    EXPECT_EQ(state->unusedIni.point[3], "3");
}

TEST_F(SettingsFilesTest, WithoutALanguageOnlyGunNamesAreWritten) {
    const auto ini = folder / "str0.ini";
    state->labels[0] = "Click";
    state->gunNames = {"a", "b", "c", "d"};
    ASSERT_TRUE(WriteSettingsIniItems(*state, ini));
    EXPECT_EQ(ReadIniString(ini, "", "Item1", "none"), "none");
    EXPECT_EQ(ReadIniString(ini, "Key5", "Gun3"), "d");
}

TEST_F(SettingsFilesTest, StartupLoadSelectsTheLanguageOfTheCurrentIni) {
    struct Case {
        std::string profileIni;  // "" = no str1.ini
        std::string code;
        Language language;
    };
    const std::vector<Case> cases = {
        {"[Skins]\nLan=CHT\n", "CHT", Language::Cht},
        {"[Skins]\nLan=chs\n", "chs", Language::None},
        {"[Skins]\nLan=\n", "", Language::None},
        {"[Setting-DE]\nItem1=x\n", "DE", Language::De},  // no code of its own: str.ini's
        {"", "DE", Language::De},
    };
    for (const Case& c : cases) {
        WriteText(folder / "str.ini",
                  "[Profile]\nCurProfileName=B\nItemCount=2\nItem0=A\nItem1=B\n[Skins]\nLan=DE\n");
        std::filesystem::remove(folder / "str1.ini");
        if (!c.profileIni.empty()) {
            WriteText(folder / "str1.ini", c.profileIni);
        }
        SharedState fresh(folder.path(), log);
        StartupLoad(fresh);
        EXPECT_EQ(fresh.languageCode, c.code) << c.profileIni;
        EXPECT_EQ(fresh.texts.language(), c.language) << c.profileIni;
        EXPECT_EQ(fresh.block.byte(block::kGunButton), 255);
        EXPECT_EQ(fresh.saved, fresh.block);
    }
}

}  // namespace
}  // namespace gx508
