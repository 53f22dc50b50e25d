#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

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
    ProgramFolder folder;
    ASSERT_TRUE(LocateProgramFolder(inputs, folder));
    EXPECT_EQ(folder.files, root / "bin");
    EXPECT_EQ(folder.skins, root / "bin" / "Skins");
    EXPECT_FALSE(fs::exists(root / "home"));
}

TEST_F(ProgramFolderTest, AnInstalledProgramSeedsItsConfigFolderOnce) {
    ProgramFolder folder;
    ASSERT_TRUE(LocateProgramFolder(inputs, folder));
    EXPECT_EQ(folder.files, root / "home" / ".config" / "gx508");
    EXPECT_EQ(folder.skins, root / "share" / "Skins");
    EXPECT_TRUE(fs::exists(folder.files / "record.ini"));
    EXPECT_FALSE(fs::exists(folder.files / "config.bin")) << "not shipped in this share folder";

    test::WriteText(folder.files / "str.ini", "[Skins]\r\nLan=DE\r\n");
    ASSERT_TRUE(LocateProgramFolder(inputs, folder));
    const auto kept = test::ReadBytes(folder.files / "str.ini");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "[Skins]\r\nLan=DE\r\n")
        << "the user's file is kept";

    inputs.xdgConfigHome = (root / "xdg").string();
    ASSERT_TRUE(LocateProgramFolder(inputs, folder));
    EXPECT_EQ(folder.files, root / "xdg" / "gx508");
}

TEST_F(ProgramFolderTest, FailsWithoutAnyPlaceForTheFiles) {
    inputs.home.clear();
    inputs.xdgConfigHome = "relative/path";
    ProgramFolder folder;
    EXPECT_FALSE(LocateProgramFolder(inputs, folder));

    test::WriteText(root / "file", "");
    inputs.xdgConfigHome = (root / "file").string();
    EXPECT_FALSE(LocateProgramFolder(inputs, folder));
}

}  // namespace
}  // namespace gx508
