// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Ctl.h"
#include "core/device/VirtualMouse.h"
#include "core/store/IniFile.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

struct CtlOutcome {
    int status;
    std::string out;
    std::string err;
};

// gx508ctl profile … run in-process on a copy of the program folder the build makes.
class ProfileCommandTest : public ::testing::Test {
  protected:
    ProfileCommandTest() { test::CopyBaseFiles(GX508_PROGRAM_DIR, folder.path()); }

    CtlOutcome Ctl(const std::vector<std::string>& words) {
        std::vector<std::string> args = {"--folder", folder.path().string()};
        args.insert(args.end(), words.begin(), words.end());
        std::ostringstream out;
        std::ostringstream err;
        CtlContext context{
            out,   err,     log, std::nullopt, [] { return std::make_unique<VirtualMouse>(); },
            pacer, pointer, stop};
        const int status = RunCtl(args, context);
        return {status, out.str(), err.str()};
    }

    CtlOutcome Profile(std::vector<std::string> words) {
        words.insert(words.begin(), "profile");
        return Ctl(words);
    }

    std::map<std::string, std::string> Bytes() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            if (entry.is_regular_file()) {
                const std::vector<std::uint8_t> bytes = test::ReadBytes(entry.path());
                files[entry.path().string()] = {bytes.begin(), bytes.end()};
            }
        }
        return files;
    }

    test::TempFolder folder;
    NullLog log;
    RecordingPacer pacer;
    RecordingPointerBackend pointer;
    std::atomic<bool> stop{false};
};

TEST_F(ProfileCommandTest, SubcommandsChangeTheListAndPrintIt) {
    struct Step {
        std::vector<std::string> words;
        std::string out;
    };
    const std::vector<Step> steps = {
        {{"list"}, "* 0 Standard\n  1 Gaming\n"},
        {{"new", "Night"}, "  2 Night\n"},
        {{"copy", "2"}, "  3 Copy Night\n"},
        {{"rename", "3", "Night Two"}, ""},
        {{"select", "3"}, ""},
        {{"list"}, "  0 Standard\n  1 Gaming\n  2 Night\n* 3 Night Two\n"},
        {{"new", "Day"}, "  4 Day\n"},
        {{"delete", "2"}, ""},
        {{"list"}, "  0 Standard\n  1 Gaming\n* 2 Night Two\n  3 Day\n"},
        {{"select", "1"}, ""},
        {{"list"}, "  0 Standard\n* 1 Gaming\n  2 Night Two\n  3 Day\n"},
    };
    for (const Step& step : steps) {
        const CtlOutcome run = Profile(step.words);
        EXPECT_EQ(run.status, 0) << step.words[0] << ": " << run.err;
        EXPECT_EQ(run.out, step.out) << step.words[0];
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
    EXPECT_FALSE(fs::exists(folder / "config4.bin")) << "the deleted profile's files went";
    const CtlOutcome show = Ctl({"show"});
    EXPECT_NE(show.out.find("Profile: 1 (config1.bin, str1.ini)"), std::string::npos) << show.out;
}

TEST_F(ProfileCommandTest, RefusalsExitTwoAndLeaveTheFolderAlone) {
    for (const char* name : {"A", "B", "C"}) {
        ASSERT_EQ(Profile({"new", name}).status, 0);
    }
    test::WriteText(folder / "short.bin", "not a settings file");
    test::WriteText(folder / "short.ini", "[Setting-EN]\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"list", "extra"},
        {"select"},
        {"select", "x"},
        {"select", "-1"},
        {"select", "2x"},
        {"select", "5"},
        {"delete", "0"},
        {"delete", "1"},
        {"rename", "0", "Mine"},
        {"rename", "1", "Mine"},
        {"rename", "2", "Gaming"},
        {"rename", "2", ""},
        {"rename", "2"},
        {"new", "B"},
        {"new", " padded"},
        {"copy", "9"},
        {"export", "9", (folder / "out.bin").string()},
        {"import", (folder / "str.ini").string()},
        {"import", (folder / "short.bin").string()},
    };
    const auto before = Bytes();
    for (const auto& words : cases) {
        const std::string shown = words.empty() ? "(nothing)" : words[0];
        const CtlOutcome run = Profile(words);
        EXPECT_EQ(run.status, 2) << shown << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_EQ(run.err.rfind("gx508ctl: profile", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(Bytes() == before) << shown;
    }

    ASSERT_EQ(Profile({"new", "D"}).status, 0);
    const auto six = Bytes();
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"new", "E"}, {"copy", "0"}}) {
        const CtlOutcome run = Profile(words);
        EXPECT_EQ(run.status, 2) << words[0];
        EXPECT_NE(run.err.find("6 profiles"), std::string::npos) << run.err;
        EXPECT_TRUE(Bytes() == six) << words[0];
    }

    const CtlOutcome missing = Profile({"import", (folder / "missing.bin").string()});
    EXPECT_EQ(missing.status, 1) << "a file that cannot be read";
    EXPECT_NE(missing.err.find("missing.bin"), std::string::npos) << missing.err;
    EXPECT_TRUE(Bytes() == six);
}

TEST_F(ProfileCommandTest, ExportThenImportRoundTrips) {
    ASSERT_EQ(Ctl({"set", "rate", "1000"}).status, 0);
    const std::vector<std::uint8_t> saved = test::ReadBytes(folder / "config0.bin");
    test::TempFolder elsewhere;
    const CtlOutcome exported = Profile({"export", "0", (elsewhere / "fast").string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out,
              (elsewhere / "fast.bin").string() + "\n" + (elsewhere / "fast.ini").string() + "\n");
    EXPECT_EQ(test::ReadBytes(elsewhere / "fast.bin"), saved);
    EXPECT_EQ(ReadIniString(elsewhere / "fast.ini", "Setting-EN", "Item1"),
              ReadIniString(folder / "str0.ini", "Setting-EN", "Item1"));

    ASSERT_EQ(Ctl({"set", "rate", "125"}).status, 0);
    ASSERT_EQ(Profile({"new", "Slow"}).status, 0);
    ASSERT_EQ(Profile({"select", "2"}).status, 0);
    const CtlOutcome imported = Profile({"import", (elsewhere / "fast.bin").string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(imported.out.empty());
    const CtlOutcome show = Ctl({"show"});
    EXPECT_NE(show.out.find("Profile: 2 (config2.bin, str2.ini)"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("Report rate: 1000 Hz"), std::string::npos) << show.out;
    EXPECT_EQ(test::ReadBytes(folder / "config2.bin"), saved);

    ASSERT_EQ(Profile({"select", "0"}).status, 0);
    EXPECT_NE(Ctl({"show"}).out.find("Report rate: 125 Hz"), std::string::npos)
        << "profile 0 keeps its own rate";
}

}  // namespace
}  // namespace gx508
