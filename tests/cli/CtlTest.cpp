// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Ctl.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

#include "core/device/VirtualMouse.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsBlock.h"
#include "support/FlatJson.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

struct CtlRun {
    int status;
    std::string out;
    std::string err;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            result.push_back(line);
        }
        return result;
    }
};

// Runs gx508ctl in-process. The "real" backend is a virtual mouse the test prepares.
class CtlTest : public ::testing::Test {
  protected:
    CtlTest() { test::CopyBaseFiles(GX508_PROGRAM_DIR, folder.path()); }

    CtlRun Ctl(std::vector<std::string> args, std::optional<std::string> defaultFolder = {}) {
        std::ostringstream out;
        std::ostringstream err;
        CtlContext context{
            out,   err,     log, std::move(defaultFolder), [this] { return std::move(realMouse); },
            pacer, pointer, stop};
        const int status = RunCtl(args, context);
        return {status, out.str(), err.str()};
    }

    // Every file of the folder with its bytes, to tell that nothing was touched.
    std::map<std::string, std::string> folderBytes() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            if (entry.is_regular_file()) {
                std::ifstream in(entry.path(), std::ios::binary);
                files[entry.path().string()] = {std::istreambuf_iterator<char>(in), {}};
            }
        }
        return files;
    }

    std::map<std::string, std::string> showJson() {
        const CtlRun run = Ctl({"--folder", folder.path().string(), "show", "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one line";
        const auto leaves = test::FlatJson::Parse(run.out);
        EXPECT_TRUE(leaves.has_value()) << run.out;
        return leaves.value_or(std::map<std::string, std::string>{});
    }

    CtlRun Set(std::vector<std::string> words) {
        std::vector<std::string> args = {"--folder", folder.path().string(), "set"};
        args.insert(args.end(), words.begin(), words.end());
        return Ctl(args);
    }

    test::TempFolder folder;
    NullLog log;
    RecordingPacer pacer;
    RecordingPointerBackend pointer;
    std::atomic<bool> stop{false};
    std::unique_ptr<VirtualMouse> realMouse = std::make_unique<VirtualMouse>();
};

TEST_F(CtlTest, ShowDescribesTheShippedProfileInWords) {
    const CtlRun run = Ctl({"--folder", folder.path().string(), "show"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    for (const char* line :
         {"Profile: 0 (config0.bin, str0.ini)", "Language: EN", "Report rate: 500 Hz",
          "Button 4 (index 4): Left Tilt Scroll", "Button 12 (index 7): Deactivated",
          "Gun switch 0 \"Snipe\": assigned to Button 8",
          "Stage 6: 6000 DPI, enabled, colour #FF00FF", "Lighting: Standard, brightness 5 of 6"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    }
}

TEST_F(CtlTest, ApplyTracePrintsExactlyTheApplySequence) {
    const CtlRun run = Ctl({"--folder", folder.path().string(), "--virtual", "apply", "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.lines();
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[0], "SET_FEATURE 00 01 02 00 00 00 00 00 FC");
    EXPECT_EQ(lines[1], "SLEEP 10");
    EXPECT_EQ(lines[2], "SLEEP 50");
    EXPECT_EQ(lines[3], "SET_FEATURE 00 0E 64 64 00 00 00 00 29");
    EXPECT_EQ(lines[lines.size() - 2], "SET_FEATURE 00 0D 01 05 02 00 00 00 EA");
    EXPECT_EQ(lines.back(), "SLEEP 10");
    int outputs = 0;
    for (const std::string& line : lines) {
        outputs += line.rfind("OUTPUT 00 ", 0) == 0 ? 1 : 0;
        EXPECT_EQ(line.find("GET_FEATURE"), std::string::npos) << "the queries are not part of it";
    }
    EXPECT_EQ(outputs, 1 + 1 + 4 * 2 + 12 * 4);
    EXPECT_EQ(fs::file_size(folder / "config0.bin"), 65401u);
    EXPECT_EQ(pointer.calls().size(), 4u);
}

TEST_F(CtlTest, RestoreDefaultsTraceEndsWithTheResetCommand) {
    const CtlRun run =
        Ctl({"--folder", folder.path().string(), "--virtual", "restore-defaults", "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.lines();
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[0], "SET_FEATURE 00 01 02 00 00 00 00 00 FC");
    EXPECT_EQ(lines[lines.size() - 4], "SET_FEATURE 00 0D 01 05 02 00 00 00 EA");
    EXPECT_EQ(lines[lines.size() - 2], "SET_FEATURE 00 0B 02 00 00 00 00 00 F2");
    EXPECT_EQ(lines.back(), "SLEEP 10");
}

TEST_F(CtlTest, FindListsTheCollectionsOrSaysWhyItCannot) {
    const CtlRun found = Ctl({"--folder", folder.path().string(), "--virtual", "find"});
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_NE(found.out.find("virtual:gx508/command: command collection, usage page 0xFF00"),
              std::string::npos)
        << found.out;
    EXPECT_NE(found.out.find("notice collection"), std::string::npos);

    realMouse->unplug();
    const CtlRun none = Ctl({"--folder", folder.path().string(), "find"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_EQ(none.err, "gx508ctl: no GX508 mouse found\n");

    realMouse = std::make_unique<VirtualMouse>();
    realMouse->setOpenDenied(true);
    const CtlRun denied = Ctl({"--folder", folder.path().string(), "apply"});
    EXPECT_EQ(denied.status, 1);
    EXPECT_TRUE(denied.out.empty());
    EXPECT_NE(denied.err.find("70-gx508.rules"), std::string::npos) << denied.err;
}

// Stored gun slot lengths that no macro store rebuilds and that add up to more than the
// stream holds: the apply completes and prints its trace.
TEST_F(CtlTest, ApplyWithOversizedGunLengthsCompletesAndPrintsTheTrace) {
    fs::remove(folder / "record.ini");
    std::vector<std::uint8_t> file = test::ReadBytes(folder / "config0.bin");
    ASSERT_EQ(file.size(), 1 + block::kSize);
    SettingsBlock b;
    std::copy(file.begin() + 1, file.end(), b.bytes().begin());
    b.setSlotLength(6, 1000);
    b.setSlotLength(7, 700);
    std::copy(b.bytes().begin(), b.bytes().end(), file.begin() + 1);
    test::WriteBytes(folder / "config0.bin", file);

    const CtlRun run = Ctl({"--folder", folder.path().string(), "--virtual", "apply", "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.lines();
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[0], "SET_FEATURE 00 01 02 00 00 00 00 00 FC");
    EXPECT_EQ(lines[lines.size() - 2], "SET_FEATURE 00 0D 01 05 02 00 00 00 EA");
    // 1000 bytes of slot 6 go out (8 blocks); slot 7 is told it holds nothing.
    EXPECT_NE(run.out.find("SET_FEATURE 00 04 F4 01 00 00 00 00 06"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("SET_FEATURE 00 04 00 00 00 00 01 00 FA"), std::string::npos) << run.out;
}

TEST_F(CtlTest, AnApplyThatFailsPrintsNoTrace) {
    realMouse->unplugAfterReports(5);
    const CtlRun run = Ctl({"--folder", folder.path().string(), "apply", "--trace"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

TEST_F(CtlTest, WatchPrintsEachNoticeUntilStopped) {
    VirtualMouse* mouse = realMouse.get();
    CtlRun run{};
    std::thread watcher([&] { run = Ctl({"--folder", folder.path().string(), "watch"}); });
    // The reader keeps notices queued on the mouse until it reads them.
    mouse->sendNotice(1, 3);
    mouse->sendNotice(9, 1);
    // Stopping joins the reader, which finishes the notice it has taken.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (mouse->pendingNotices() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stop.store(true);
    watcher.join();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "notice 1 3\nnotice 9 1\n");
}

TEST_F(CtlTest, ShowJsonHoldsTheFactsOfShow) {
    const auto json = showJson();
    const std::map<std::string, std::string> expected = {
        {"profile", "0"},
        {"settingsFile", "config0.bin"},
        {"language", "EN"},
        {"reportRate.hz", "500"},
        {"dpiStages[5].dpi", "6000"},
        {"dpiStages[5].enabled", "true"},
        {"dpiStages[5].colour", "#FF00FF"},
        {"lighting.effect", "standard"},
        {"lighting.brightness", "5"},
        {"doubleClick.ms", "550"},
        {"precision", "false"},
        {"buttons[3].function", "Left Tilt Scroll"},
        {"buttons[11].index", "7"},
        {"buttons[11].function", "Deactivated"},
        {"gunSwitches[0].name", "Snipe"},
        {"gunSwitches[0].button", "8"},
    };
    for (const auto& [path, value] : expected) {
        const auto found = json.find(path);
        ASSERT_NE(found, json.end()) << path;
        EXPECT_EQ(found->second, value) << path;
    }
    EXPECT_EQ(json.count("dpiStages[6].dpi"), 0u) << "six stages";
    EXPECT_EQ(json.count("buttons[12].button"), 0u) << "twelve buttons";
}

TEST_F(CtlTest, SetRoundTripsEverySettingThroughShowJson) {
    struct Case {
        std::vector<std::string> words;
        std::map<std::string, std::string> shown;
    };
    const std::vector<Case> cases = {
        {{"dpi", "3", "3200"}, {{"dpiStages[2].dpi", "3200"}, {"dpiStages[2].index", "31"}}},
        {{"dpi", "1", "5800"}, {{"dpiStages[0].dpi", "5800"}}},
        {{"stage", "5", "off"}, {{"dpiStages[4].enabled", "false"}}},
        {{"stage", "5", "on"}, {{"dpiStages[4].enabled", "true"}}},
        {{"colour", "4", "#a0b1c2"}, {{"dpiStages[3].colour", "#A0B1C2"}}},
        {{"colour", "1", "00ff7F"}, {{"dpiStages[0].colour", "#00FF7F"}}},
        {{"lighting", "neon", "3"}, {{"lighting.effect", "neon"}, {"lighting.neonPeriod", "3"}}},
        {{"lighting", "breathing", "6"},
         {{"lighting.effect", "breathing"}, {"lighting.breathingPeriod", "6"}}},
        {{"lighting", "standard"}, {{"lighting.effect", "standard"}}},
        {{"rate", "1000"}, {{"reportRate.hz", "1000"}, {"reportRate.code", "1"}}},
        {{"rate", "125"}, {{"reportRate.hz", "125"}}},
        {{"sensitivity", "2", "10"}, {{"sensitivity.x", "2"}, {"sensitivity.y", "10"}}},
        {{"pointer-speed", "9"}, {{"pointerSpeed", "9"}}},
        {{"double-click", "11"}, {{"doubleClick.speed", "11"}, {"doubleClick.ms", "200"}}},
        {{"wheel", "12"}, {{"wheel.page", "false"}, {"wheel.lines", "12"}}},
        {{"wheel", "page"}, {{"wheel.page", "true"}, {"wheel.lines", "12"}}},
        {{"precision", "on"}, {{"precision", "true"}}},
    };
    for (const Case& c : cases) {
        const CtlRun run = Set(c.words);
        ASSERT_EQ(run.status, 0) << c.words[0] << ": " << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.empty());
        const auto json = showJson();
        for (const auto& [path, value] : c.shown) {
            const auto found = json.find(path);
            ASSERT_NE(found, json.end()) << path;
            EXPECT_EQ(found->second, value) << c.words[0] << ": " << path;
        }
    }
    // The earlier changes stay: each set edits the saved file, not a fresh copy.
    const auto json = showJson();
    EXPECT_EQ(json.at("dpiStages[2].dpi"), "3200");
    EXPECT_EQ(json.at("lighting.neonPeriod"), "3");
    EXPECT_EQ(json.at("pointerSpeed"), "9");
}

TEST_F(CtlTest, SetRefusesBadValuesWithTheFolderUnchanged) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"volume", "3"},
        {"dpi", "7", "800"},
        {"dpi", "1", "5100"},
        {"dpi", "1", "abc"},
        {"dpi", "1"},
        {"stage", "1", "maybe"},
        {"colour", "1", "red"},
        {"colour", "1", "#GG0000"},
        {"lighting", "disco"},
        {"lighting", "neon", "9"},
        {"rate", "2000"},
        {"sensitivity", "12", "1"},
        {"pointer-speed", "-1"},
        {"double-click", "0"},
        {"wheel", "101"},
        {"wheel", "0"},
        {"precision", "maybe"},
    };
    const auto before = folderBytes();
    for (const auto& words : cases) {
        const CtlRun run = Set(words);
        const std::string shown = words.empty() ? "(nothing)" : words[0];
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("gx508ctl: set ", 0), 0u) << run.err;
        EXPECT_TRUE(folderBytes() == before) << shown;
    }
}

TEST_F(CtlTest, SetWithoutASettingsFileChangesNothing) {
    fs::remove(folder / "config0.bin");
    const auto before = folderBytes();
    const CtlRun run = Set({"rate", "1000"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("config0.bin"), std::string::npos) << run.err;
    EXPECT_TRUE(folderBytes() == before);
}

TEST_F(CtlTest, UsageErrorsGoToStandardErrorWithAFailureStatus) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--folder"},
        {"--bogus", "show"},
        {"show", "extra"},
        {"frobnicate"},
        {"show", "--trace"},
        {"--trace", "apply"},
        {"--folder", (folder / "missing").string(), "show"}};
    for (const auto& args : bad) {
        const CtlRun run = Ctl(args, folder.path().string());
        EXPECT_NE(run.status, 0);
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(Ctl({"show"}).status, 1) << "no folder given and none found";
    test::TempFolder empty;
    EXPECT_EQ(Ctl({"show"}, empty.path().string()).status, 0) << "an empty folder is no error";
}

// SIGTERM ends a command that is not `watch` (here an apply, which spends seconds in its
// pauses), as it ends any program that does not catch it.
TEST_F(CtlTest, SigtermEndsACommandOutsideWatch) {
    const std::string program = std::string(GX508_PROGRAM_DIR) + "/gx508ctl";
    const std::string folderArg = folder.path().string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(program.c_str(), program.c_str(), "--folder", folderArg.c_str(), "--virtual",
                "apply", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    // Waits until the apply sleeps in one of its pauses, well inside the command.
    const fs::path wchan = "/proc/" + std::to_string(child) + "/wchan";
    bool pausing = false;
    for (int polls = 0; polls < 100000 && !pausing; ++polls) {
        std::ifstream in(wchan);
        std::string where;
        in >> where;
        pausing = where.find("nanosleep") != std::string::npos;
        std::this_thread::yield();
    }
    ASSERT_TRUE(pausing);
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, SIGTERM);
}

// A macro store beyond the size the program reads is named on standard error; the command
// goes on with an empty one.
TEST_F(CtlTest, AFileTooLargeToReadIsNamed) {
    std::string huge = "[MacroName]\r\nMacroCount=1\r\n0=m\r\n";
    huge.resize(kMaxIniFileSize + 1, '\n');
    test::WriteText(folder / "record.ini", huge);
    const CtlRun run = Ctl({"--folder", folder.path().string(), "show"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find((folder / "record.ini").string() + " is larger than 2 MiB"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("Buttons:"), std::string::npos);

    test::WriteText(folder / "record.ini", "[MacroName]\r\nMacroCount=0\r\n0=\r\n");
    EXPECT_TRUE(Ctl({"--folder", folder.path().string(), "show"}).err.empty());
}

}  // namespace
}  // namespace gx508
