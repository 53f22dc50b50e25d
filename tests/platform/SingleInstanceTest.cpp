// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "support/TempFolder.h"

namespace gx508 {
namespace {

bool Acquired(SingleInstance& instance) {
    const Result<bool> acquired = instance.acquire();
    EXPECT_TRUE(acquired.ok()) << acquired.message();
    return acquired.ok() && *acquired;
}

TEST(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    test::TempFolder folder;
    auto first = std::make_unique<SingleInstance>(folder.path());
    EXPECT_TRUE(Acquired(*first));
    SingleInstance second(folder.path());
    EXPECT_FALSE(Acquired(second));
    first.reset();
    SingleInstance third(folder.path());
    EXPECT_TRUE(Acquired(third));
}

TEST(SingleInstanceTest, LockOfACrashedCopyIsTakenOver) {
    test::TempFolder folder;
    // A child takes the lock and dies without giving it back, as a crash would leave it.
    const pid_t child = fork();
    if (child == 0) {
        SingleInstance crashing(folder.path());
        const Result<bool> acquired = crashing.acquire();
        _exit(acquired.ok() && *acquired ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(std::filesystem::exists(folder / SingleInstance::kLockName));

    SingleInstance next(folder.path());
    EXPECT_TRUE(Acquired(next));
}

// A lock file that is a link, or a folder that is gone, is a failure to report, not a running
// copy: the start must not end silently.
TEST(SingleInstanceTest, AnUnusableLockFileIsAnErrorNotARunningCopy) {
    test::TempFolder folder;
    std::filesystem::create_symlink(folder / "elsewhere", folder / SingleInstance::kLockName);
    SingleInstance linked(folder.path());
    EXPECT_FALSE(linked.acquire().ok());
    EXPECT_FALSE(std::filesystem::exists(folder / "elsewhere"));

    SingleInstance missing(folder / "no-such-folder");
    const Result<bool> acquired = missing.acquire();
    ASSERT_FALSE(acquired.ok());
    EXPECT_NE(acquired.message().find("no-such-folder"), std::string::npos) << acquired.message();
}

}  // namespace
}  // namespace gx508
