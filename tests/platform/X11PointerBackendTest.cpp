// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11PointerBackend.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/LogSink.h"
#include "support/PointerBlock.h"

// Last, for its macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace gx508 {
namespace {

// A private X server (Xvfb) on a display number it picks itself, and a connection of the
// test's own to read the pointer control back.
class X11PointerBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        m_server = fork();
        ASSERT_GE(m_server, 0);
        if (m_server == 0) {
            close(pipe[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(pipe[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                   "64x64x24", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipe[1]);
        std::string number;
        pollfd ready{pipe[0], POLLIN, 0};
        char c = 0;
        while (number.find('\n') == std::string::npos && poll(&ready, 1, 30000) == 1 &&
               read(pipe[0], &c, 1) == 1) {
            number += c;
        }
        close(pipe[0]);
        ASSERT_NE(number.find('\n'), std::string::npos) << "Xvfb did not start";
        m_display = ":" + number.substr(0, number.find('\n'));
        m_reader = XOpenDisplay(m_display.c_str());
        ASSERT_NE(m_reader, nullptr);
    }
    void TearDown() override {
        if (m_reader != nullptr) {
            XCloseDisplay(m_reader);
        }
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }

    struct Control {
        int numerator;
        int denominator;
        int threshold;
        friend bool operator==(const Control&, const Control&) = default;
    };
    Control control() {
        Control c{};
        XGetPointerControl(m_reader, &c.numerator, &c.denominator, &c.threshold);
        return c;
    }

    pid_t m_server = -1;
    std::string m_display;
    Display* m_reader = nullptr;
};

TEST_F(X11PointerBackendTest, SpeedIsTheFactorAndPrecisionTheThreshold) {
    RecordingLog log;
    auto backend = X11PointerBackend::Open(log, m_display);
    ASSERT_NE(backend, nullptr);
    SettingsBlock block = test::DefaultPointerBlock();
    block.setByte(block::kEnhancePrecision, 1);
    block.setByte(block::kPointerSpeed, 11);
    ApplyPointerSettings(block, *backend, log);
    EXPECT_EQ(control(), (Control{20, 10, 6}));

    ApplyPointerSettings(test::DefaultPointerBlock(), *backend, log);
    EXPECT_EQ(control(), (Control{10, 10, 1}));

    // Each call changes only its own part.
    EXPECT_TRUE(backend->SetSpeed(1));
    EXPECT_EQ(control(), (Control{1, 10, 1}));
    EXPECT_TRUE(backend->SetPrecision(true));
    EXPECT_EQ(control(), (Control{1, 10, 6}));
}

TEST_F(X11PointerBackendTest, WheelAndDoubleClickAreLoggedOnceEachAndLeaveTheControl) {
    RecordingLog log;
    auto backend = X11PointerBackend::Open(log, m_display);
    ASSERT_NE(backend, nullptr);
    const Control before = control();
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(backend->SetWheel(false, 5));
        EXPECT_TRUE(backend->SetDoubleClickTime(300));
    }
    EXPECT_EQ(control(), before);
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_NE(log.lines()[0].find("wheel"), std::string::npos);
    EXPECT_NE(log.lines()[1].find("double-click"), std::string::npos);
}

TEST(X11PointerBackendOpenTest, NoServerGivesNoBackend) {
    RecordingLog log;
    EXPECT_EQ(X11PointerBackend::Open(log, ":65000"), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find(":65000"), std::string::npos);
}

}  // namespace
}  // namespace gx508
