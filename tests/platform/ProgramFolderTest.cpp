// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

class ProgramFolderTest : public ::testing::Test {
  protected:
    ProgramFolderTest() {
        fs::create_directories(root / "bin");
        fs::create_directories(root / "share" / "Skins");
        test::WriteText(root / "share" / "str.ini", "[Skins]\r\nLan=EN\r\n");
        test::WriteText(root / "share" / "record.ini", "[GunMacroName]\r\nMacroCount=3\r\n");
        inputs = {root / "bin", "", (root / "home").string(), root / "share"};
    }
    test::TempFolder root;
    ProgramFolderInputs inputs;
};

TEST_F(ProgramFolderTest, APortableFolderKeepsEverythingBesideTheExecutable) {
    fs::create_directory(root / "bin" / "Skins");
    const Result<ProgramFolder> folder = LocateProgramFolder(inputs);
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(folder->files, root / "bin");
    EXPECT_EQ(folder->skins, root / "bin" / "Skins");
    EXPECT_FALSE(fs::exists(root / "home"));
}

TEST_F(ProgramFolderTest, AnInstalledProgramSeedsItsConfigFolderOnce) {
    const Result<ProgramFolder> folder = LocateProgramFolder(inputs);
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(folder->files, root / "home" / ".config" / "gx508");
    EXPECT_EQ(folder->skins, root / "share" / "Skins");
    EXPECT_TRUE(fs::exists(folder->files / "record.ini"));
    EXPECT_FALSE(fs::exists(folder->files / "config.bin")) << "not shipped in this share folder";

    test::WriteText(folder->files / "str.ini", "[Skins]\r\nLan=DE\r\n");
    ASSERT_TRUE(LocateProgramFolder(inputs));
    const auto kept = test::ReadBytes(folder->files / "str.ini");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "[Skins]\r\nLan=DE\r\n")
        << "the user's file is kept";

    inputs.xdgConfigHome = (root / "xdg").string();
    const Result<ProgramFolder> moved = LocateProgramFolder(inputs);
    ASSERT_TRUE(moved) << moved.message();
    EXPECT_EQ(moved->files, root / "xdg" / "gx508");
}

TEST_F(ProgramFolderTest, FailsWithoutAnyPlaceForTheFiles) {
    inputs.home.clear();
    inputs.xdgConfigHome = "relative/path";
    EXPECT_FALSE(LocateProgramFolder(inputs));

    test::WriteText(root / "file", "");
    inputs.xdgConfigHome = (root / "file").string();
    const Result<ProgramFolder> folder = LocateProgramFolder(inputs);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.code(), ENOTDIR) << folder.message();
}

}  // namespace
}  // namespace gx508
