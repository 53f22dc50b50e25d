// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>

#include "core/store/SettingsFiles.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

// Lowers the largest file this process may write, as a full disk would: writes past the limit
// fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_previous;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_previous{};
    void (*m_previousHandler)(int);
};

TEST(AtomicFileTest, AWriteThatRunsOutOfSpaceLeavesThePreviousFileWhole) {
    test::TempFolder folder;
    RecordingLog log;
    auto state = std::make_unique<SharedState>(folder.path(), log);
    state->block.fill(0, block::kSize, 0x21);
    ASSERT_TRUE(SaveProfileSettings(*state));
    const auto before = test::ReadBytes(folder / "config0.bin");

    state->block.fill(0, block::kSize, 0x77);
    Status status;
    {
        FileSizeLimit limit(4096);
        status = SaveProfileSettings(*state);
    }
    EXPECT_FALSE(status);
    EXPECT_EQ(status.code(), EFBIG);
    EXPECT_EQ(log.lines().back(), "Error Code is: " + std::to_string(EFBIG) + " \n");
    EXPECT_EQ(test::ReadBytes(folder / "config0.bin"), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "config0.bin.tmp"));
}

TEST(AtomicFileTest, ReplacesTheFileAndFailsWhereNoFileCanBeMade) {
    test::TempFolder folder;
    const std::vector<std::uint8_t> first = {1, 2, 3};
    const std::vector<std::uint8_t> second = {4};
    ASSERT_TRUE(WriteFileAtomically(folder / "f", first));
    ASSERT_TRUE(WriteFileAtomically(folder / "f", second));
    EXPECT_EQ(test::ReadBytes(folder / "f"), second);
    ASSERT_TRUE(WriteFileAtomically(folder / "f", {}));
    EXPECT_TRUE(test::ReadBytes(folder / "f").empty());

    EXPECT_FALSE(WriteFileAtomically(folder / "missing" / "f", first));
    std::filesystem::create_directory(folder / "dir");
    EXPECT_FALSE(WriteFileAtomically(folder / "dir", first));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir"));
}

// A replaced file keeps its permission bits (a private settings file stays private); a new
// one gets the process's usual mode.
TEST(AtomicFileTest, AReplacedFileKeepsItsPermissionBits) {
    namespace fs = std::filesystem;
    using fs::perms;
    test::TempFolder folder;
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    const perms modes[] = {
        perms::owner_read | perms::owner_write,
        perms::owner_read | perms::owner_write | perms::group_read,
        perms::owner_all | perms::group_read | perms::group_write | perms::others_read};
    for (const perms mode : modes) {
        const fs::path file = folder / "f.ini";
        test::WriteText(file, "old");
        fs::permissions(file, mode);
        ASSERT_TRUE(WriteFileAtomically(file, bytes));
        EXPECT_EQ(test::ReadBytes(file), bytes);
        EXPECT_EQ(fs::status(file).permissions() & perms::mask, mode) << static_cast<int>(mode);
    }
    const ::mode_t mask = ::umask(0);
    ::umask(mask);
    ASSERT_TRUE(WriteFileAtomically(folder / "new.ini", bytes));
    EXPECT_EQ(static_cast<::mode_t>(fs::status(folder / "new.ini").permissions() & perms::mask),
              0666 & ~mask);
}

}  // namespace
}  // namespace gx508
