// SPDX-License-Identifier: GPL-3.0-or-later
// The base files the build leaves in the program folder: made from the code defaults, they are
// what a first run loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/macro/MacroStore.h"
#include "core/store/BlockDefaults.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = GX508_PROGRAM_DIR;

TEST(BaseFilesTest, SettingsFilesHoldTheFactoryBlockOfTheirProfile) {
    struct Case {
        const char* file;
        int profile;
    };
    for (const Case& c : {Case{"config.bin", 0}, Case{"config0.bin", 0}, Case{"config1.bin", 1}}) {
        NullLog log;
        auto expected = std::make_unique<SharedState>(kFolder, log);
        expected->currentProfile = c.profile;
        StartupReset(*expected);
        ApplyCodeDefaults(*expected);

        const auto bytes = test::ReadBytes(kFolder / c.file);
        ASSERT_EQ(bytes.size(), kSettingsFileSize) << c.file;
        EXPECT_EQ(bytes[0], 0x01) << c.file;
        EXPECT_TRUE(std::equal(bytes.begin() + 1, bytes.end(), expected->block.bytes().begin()))
            << c.file;
    }
}

TEST(BaseFilesTest, AFirstStartLoadsTheStandardProfileInEnglish) {
    test::TempFolder folder;
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        if (entry.is_regular_file() && entry.path().extension() != "") {
            fs::copy_file(entry.path(), folder / entry.path().filename().string());
        }
    }
    NullLog log;
    auto state = std::make_unique<SharedState>(folder.path(), log);
    StartupLoad(*state);
    EXPECT_EQ(state->currentProfile, 0);
    EXPECT_EQ(state->languageCode, "EN");
    EXPECT_EQ(state->labels[3], "Right Tilt Scroll");
    EXPECT_EQ(state->labels[8], "Back");
    EXPECT_EQ(state->gunNames[0], "Snipe");
    EXPECT_EQ(state->block.button(ButtonField::Category, 5), 6);

    EXPECT_EQ(ReadIniString(folder / "str.ini", "Profile", "ItemCount"), "2");
    EXPECT_EQ(ReadIniString(folder / "str.ini", "Setting-CHS", "Item1"), "左键");
    EXPECT_EQ(ReadIniString(folder / "strGaming.ini", "Setting-DE", "Item10"), "Standard Gun");
    EXPECT_EQ(ReadIniString(folder / "str1.ini", "Setting-EN", "Item8"), "Fire Mode");
    EXPECT_EQ(ListMacroNames(folder / "record.ini", MacroKind::Gun),
              (std::vector<std::string>{"Snipe", "AKM", "Standard Gun"}));
    EXPECT_TRUE(ListMacroNames(folder / "record.ini", MacroKind::Macro).empty());
}

}  // namespace
}  // namespace gx508
