#include "cli/Ctl.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/TempFolder.h"

namespace gx508 {
namespace {

struct CtlRun {
    int status;
    std::string out;
    std::string err;
};

CtlRun Ctl(std::vector<std::string> args, std::optional<std::string> defaultFolder = std::nullopt) {
    std::ostringstream out;
    std::ostringstream err;
    NullLog log;
    CtlContext context{out, err, log, std::move(defaultFolder)};
    const int status = RunCtl(args, context);
    return {status, out.str(), err.str()};
}

TEST(CtlTest, ShowDescribesTheShippedProfileInWords) {
    const CtlRun run = Ctl({"--folder", GX508_PROGRAM_DIR, "show"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    for (const char* line :
         {"Profile: 0 (config0.bin, str0.ini)", "Language: EN", "Report rate: 500 Hz",
          "Button 4 (index 4): Left Tilt Scroll", "Button 12 (index 7): Deactivated",
          "Stage 1: DPI index 4, enabled, colour #FF0000",
          "Gun switch 0 \"Snipe\": assigned, button index 11"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    }
}

TEST(CtlTest, UsageErrorsGoToStandardErrorWithAFailureStatus) {
    test::TempFolder folder;
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--folder"},
        {"--bogus", "show"},
        {"show", "extra"},
        {"frobnicate"},
        {"--folder", (folder / "missing").string(), "show"}};
    for (const auto& args : bad) {
        const CtlRun run = Ctl(args, folder.path().string());
        EXPECT_NE(run.status, 0);
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(Ctl({"show"}).status, 1) << "no folder given and none found";
    EXPECT_EQ(Ctl({"show"}, folder.path().string()).status, 0) << "an empty folder is no error";
}

}  // namespace
}  // namespace gx508
