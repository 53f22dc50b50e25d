// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutostartEntry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    const auto bytes = test::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string ValueOf(const std::string& text, const std::string& key) {
    for (const std::string& line : Lines(text)) {
        if (line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return "(no " + key + ")";
}

TEST(AutostartEntryTest, LivesInTheUsersAutostartFolderUnderTheApplicationId) {
    const std::string name = std::string(ApplicationId()) + ".desktop";
    EXPECT_EQ(name, "example.velmora_gaming.GX508.desktop");
    struct Case {
        const char* xdgConfigHome;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"", "/home/ann", fs::path("/home/ann/.config/autostart") / name},
        {"/cfg", "/home/ann", fs::path("/cfg/autostart") / name},
        {"relative/cfg", "/home/ann", fs::path("/home/ann/.config/autostart") / name},
        {"relative/cfg", "", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        const AutostartEntry entry = AutostartEntryFor(c.xdgConfigHome, c.home, "/usr/bin/gx508");
        EXPECT_EQ(entry.file, c.expected) << c.xdgConfigHome << " | " << c.home;
        EXPECT_EQ(entry.executable, fs::path("/usr/bin/gx508"));
    }
}

TEST(AutostartEntryTest, StartsTheProgramWithTheAutostartFlag) {
    const std::string text = AutostartEntryText("/usr/bin/gx508");
    const std::vector<std::string> lines = Lines(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "[Desktop Entry]");
    EXPECT_EQ(ValueOf(text, "Type"), "Application");
    EXPECT_EQ(ValueOf(text, "Name"), "GX508 Gaming Mouse");
    EXPECT_EQ(ValueOf(text, "Exec"), "/usr/bin/gx508 --autostart");
    EXPECT_EQ(ValueOf(text, "TryExec"), "/usr/bin/gx508");
    EXPECT_EQ(ValueOf(text, "Icon"), "gx508");
    EXPECT_EQ(ValueOf(text, "Terminal"), "false");
    EXPECT_EQ(ValueOf(text, "X-GNOME-Autostart-enabled"), "true");
}

// Exec is read by unescaping the string value first (a backslash is written "\\") and then
// splitting the command line, where double quotes protect reserved characters and '"', '`', '$'
// and '\' inside them take a backslash: a quoted '$' is written "\\$", a quoted backslash
// "\\\\".
TEST(AutostartEntryTest, QuotesAndEscapesTheProgramPath) {
    struct Case {
        const char* path;
        const char* exec;
        const char* tryExec;
    };
    const Case cases[] = {
        {"/opt/gx-508_1.0/bin/gx508", "/opt/gx-508_1.0/bin/gx508 --autostart",
         "/opt/gx-508_1.0/bin/gx508"},
        {"/home/ann/my programs/gx508", "\"/home/ann/my programs/gx508\" --autostart",
         "/home/ann/my programs/gx508"},
        {"/home/ann/it's/gx508", "\"/home/ann/it's/gx508\" --autostart", "/home/ann/it's/gx508"},
        {"/home/ann/100%/gx508", "/home/ann/100%%/gx508 --autostart", "/home/ann/100%/gx508"},
        {"/home/ann/a\"b$c`d/gx508", "\"/home/ann/a\\\\\"b\\\\$c\\\\`d/gx508\" --autostart",
         "/home/ann/a\"b$c`d/gx508"},
        {"/home/ann/back\\slash/gx508", "\"/home/ann/back\\\\\\\\slash/gx508\" --autostart",
         "/home/ann/back\\\\slash/gx508"},
        {"/home/ann/tab\there/gx508", "\"/home/ann/tab\\there/gx508\" --autostart",
         "/home/ann/tab\\there/gx508"},
    };
    for (const Case& c : cases) {
        const std::string text = AutostartEntryText(c.path);
        EXPECT_EQ(ValueOf(text, "Exec"), c.exec) << c.path;
        EXPECT_EQ(ValueOf(text, "TryExec"), c.tryExec) << c.path;
    }
}

class AutostartFilesTest : public ::testing::Test {
  protected:
    test::TempFolder root;
    AutostartEntry entry = AutostartEntryFor((root / "cfg").string(), "", "/usr/bin/gx508");
};

TEST_F(AutostartFilesTest, EnablingWritesTheEntryAndDisablingRemovesIt) {
    EXPECT_FALSE(AutostartEnabled(entry)) << "off until the user asks";

    ASSERT_TRUE(EnableAutostart(entry));
    EXPECT_EQ(ReadText(entry.file), AutostartEntryText("/usr/bin/gx508"));
    EXPECT_TRUE(AutostartEnabled(entry));
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(entry.file.parent_path())) {
        files.push_back(item.path());
    }
    EXPECT_EQ(files, std::vector<fs::path>{entry.file}) << "no temporary file is left behind";

    ASSERT_TRUE(EnableAutostart(entry)) << "enabling twice rewrites the same entry";
    EXPECT_EQ(ReadText(entry.file), AutostartEntryText("/usr/bin/gx508"));

    ASSERT_TRUE(DisableAutostart(entry));
    EXPECT_FALSE(fs::exists(entry.file));
    EXPECT_FALSE(AutostartEnabled(entry));
    EXPECT_TRUE(DisableAutostart(entry)) << "an entry already gone is no error";
    EXPECT_TRUE(fs::is_directory(entry.file.parent_path())) << "the folder is the user's";
}

TEST_F(AutostartFilesTest, AnEntryTheUserSwitchedOffCountsAsOffAndEnablingRewritesIt) {
    fs::create_directories(entry.file.parent_path());
    struct Case {
        const char* text;
        bool enabled;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=gx508 --autostart\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=gx508 --autostart\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\r\nHidden = true \r\n", false},
        {"[Desktop Entry]\nHidden=false\n", true},
        {"[Desktop Entry]\nExec=gx508\n[Desktop Action x]\nHidden=true\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled = false\n", false},
        {"not a desktop entry\n", false},
        {"", false},
    };
    for (const Case& c : cases) {
        test::WriteText(entry.file, c.text);
        EXPECT_EQ(AutostartEnabled(entry), c.enabled) << c.text;
    }

    test::WriteText(entry.file, "[Desktop Entry]\nHidden=true\n");
    ASSERT_TRUE(EnableAutostart(entry));
    EXPECT_TRUE(AutostartEnabled(entry));
    EXPECT_EQ(ReadText(entry.file), AutostartEntryText("/usr/bin/gx508"));
}

TEST_F(AutostartFilesTest, FailuresAreReportedAndTouchNothingElse) {
    test::WriteText(root / "cfg", "a file where the config folder should be");
    const Status blocked = EnableAutostart(entry);
    EXPECT_FALSE(blocked);
    EXPECT_NE(blocked.message().find((root / "cfg").string()), std::string::npos)
        << blocked.message();
    EXPECT_EQ(ReadText(root / "cfg"), "a file where the config folder should be");
    fs::remove(root / "cfg");

    fs::create_directories(entry.file / "inside");
    EXPECT_FALSE(DisableAutostart(entry)) << "a folder in the entry's place is not removed";
    EXPECT_TRUE(fs::exists(entry.file / "inside"));
    EXPECT_FALSE(EnableAutostart(entry));
    EXPECT_TRUE(fs::is_directory(entry.file));

    const AutostartEntry nowhere = AutostartEntryFor("", "", "/usr/bin/gx508");
    EXPECT_FALSE(EnableAutostart(nowhere));
    EXPECT_FALSE(AutostartEnabled(nowhere));
    EXPECT_TRUE(DisableAutostart(nowhere));

    const AutostartEntry noProgram = AutostartEntryFor((root / "other").string(), "", {});
    EXPECT_FALSE(EnableAutostart(noProgram));
    EXPECT_FALSE(fs::exists(noProgram.file));
}

}  // namespace
}  // namespace gx508
