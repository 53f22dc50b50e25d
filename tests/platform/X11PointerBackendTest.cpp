// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11PointerBackend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/LogSink.h"
#include "support/PointerBlock.h"
#include "support/PrivateXServer.h"

// Last, for its macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace gx508 {
namespace {

// A private X server and a connection of the test's own to read the pointer control back.
class X11PointerBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(m_server.display().empty()) << "Xvfb did not start";
        m_display = m_server.display();
        m_reader = XOpenDisplay(m_display.c_str());
        ASSERT_NE(m_reader, nullptr);
    }
    void TearDown() override {
        if (m_reader != nullptr) {
            XCloseDisplay(m_reader);
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

    test::PrivateXServer m_server;
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
