// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderWatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

// Each change is seen by the very next Changed(), with no waiting, and only once.
TEST(FolderWatchTest, EveryKindOfChangeIsSeenAtTheNextCheck) {
    test::TempFolder root;
    fs::create_directories(root / "Skins" / "Mouse");
    test::WriteText(root / "Skins" / "a.png", "a");
    FolderWatch watch;
    ASSERT_TRUE(watch.Watch(root / "Skins"));
    ASSERT_TRUE(watch.Watch(root / "Skins" / "Mouse"));
    EXPECT_FALSE(watch.Changed());

    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"rewritten", [&] { test::WriteText(root / "Skins" / "a.png", "b"); }},
        {"touched",
         [&] {
             fs::last_write_time(
                 root / "Skins" / "a.png",
                 fs::last_write_time(root / "Skins" / "a.png") + std::chrono::seconds(1));
         }},
        {"replaced by a rename",
         [&] {
             test::WriteText(root / "new.png", "c");
             fs::rename(root / "new.png", root / "Skins" / "a.png");
         }},
        {"added below", [&] { test::WriteText(root / "Skins" / "Mouse" / "b.png", "d"); }},
        {"removed below", [&] { fs::remove(root / "Skins" / "Mouse" / "b.png"); }},
        {"folder renamed", [&] { fs::rename(root / "Skins" / "Mouse", root / "Skins" / "M"); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        EXPECT_TRUE(watch.Changed()) << name;
        EXPECT_FALSE(watch.Changed()) << name;
    }
}

TEST(FolderWatchTest, AMissingFolderCannotBeWatched) {
    test::TempFolder root;
    FolderWatch watch;
    EXPECT_FALSE(watch.Watch(root / "missing"));
    test::WriteText(root / "file", "x");
    EXPECT_FALSE(watch.Watch(root / "file"));
    EXPECT_FALSE(watch.Changed());
}

}  // namespace
}  // namespace gx508
