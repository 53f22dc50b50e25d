// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11KeyGrab.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support/PrivateXServer.h"

// Last, for its macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace gx508 {
namespace {

constexpr auto kLimit = std::chrono::seconds(30);

// A private X server with a second client beside the grab: a focused window that records the
// keys it is given. Keys are typed with xdotool, through the server's test input, as a user's
// keyboard would.
class X11KeyGrabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(m_server.display().empty()) << "Xvfb did not start";
        m_other = XOpenDisplay(m_server.display().c_str());
        ASSERT_NE(m_other, nullptr);
        m_window = XCreateSimpleWindow(m_other, DefaultRootWindow(m_other), 0, 0, 32, 32, 0, 0, 0);
        XSelectInput(m_other, m_window, KeyPressMask | KeyReleaseMask | ExposureMask);
        XMapWindow(m_other, m_window);
        XEvent event;
        XWindowEvent(m_other, m_window, ExposureMask, &event);
        XSetInputFocus(m_other, m_window, RevertToParent, CurrentTime);
        XSync(m_other, False);
        m_grab = X11KeyGrab::Open(m_server.display());
        ASSERT_NE(m_grab, nullptr);
    }
    void TearDown() override {
        m_grab.reset();
        if (m_other != nullptr) {
            XCloseDisplay(m_other);
        }
    }

    // xdotool ARGS... on the private server; true when it ran.
    bool xdotool(const std::vector<std::string>& args) {
        const pid_t child = fork();
        if (child == 0) {
            setenv("DISPLAY", m_server.display().c_str(), 1);
            std::vector<char*> argv{const_cast<char*>("xdotool")};
            for (const std::string& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execvp("xdotool", argv.data());
            _exit(127);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    // Dispatches the grab's events until `done` holds; false when it never does.
    bool dispatchUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + kLimit;
        m_grab->DispatchPending();
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            pollfd ready{m_grab->FileDescriptor(), POLLIN, 0};
            poll(&ready, 1, 100);
            m_grab->DispatchPending();
        }
        return true;
    }

    // The keysyms of the key presses the other client has had, up to and including the first
    // press of `last`; empty when `last` does not come.
    std::vector<KeySym> otherPressesUntil(KeySym last) {
        std::vector<KeySym> presses;
        const auto deadline = std::chrono::steady_clock::now() + kLimit;
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(m_other) > 0) {
                XEvent event;
                XNextEvent(m_other, &event);
                if (event.type == KeyPress) {
                    presses.push_back(XLookupKeysym(&event.xkey, 0));
                    if (presses.back() == last) {
                        return presses;
                    }
                }
            }
            pollfd ready{ConnectionNumber(m_other), POLLIN, 0};
            poll(&ready, 1, 100);
        }
        return {};
    }

    // The other client asks for the keyboard itself.
    int otherGrab() {
        const int status =
            XGrabKeyboard(m_other, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        XUngrabKeyboard(m_other, CurrentTime);
        XSync(m_other, False);
        return status;
    }

    test::PrivateXServer m_server{"320x240x24"};
    Display* m_other = nullptr;
    Window m_window = 0;
    std::unique_ptr<X11KeyGrab> m_grab;
};

KeyStroke Down(int vk, bool extended = false) {
    return {vk, extended, false};
}

KeyStroke Up(int vk, bool extended = false) {
    return {vk, extended, true};
}

TEST_F(X11KeyGrabTest, CapturedKeysArriveAsVirtualKeysAndReachNoOtherClient) {
    struct Case {
        std::string key;  // pressed and released
        std::vector<KeyStroke> strokes;
    };
    // xdotool holds the left-hand modifier down with a right-hand one, as its state asks.
    const Case cases[] = {
        {"a", {Down(0x41), Up(0x41)}},
        {"Return", {Down(0x0D), Up(0x0D)}},
        {"KP_Enter", {Down(0x0D, true), Up(0x0D, true)}},
        {"KP_End", {Down(0x61), Up(0x61)}},
        {"KP_Divide", {Down(0x6F, true), Up(0x6F, true)}},
        {"Control_R", {Down(0xA2), Down(0xA3, true), Up(0xA2), Up(0xA3, true)}},
        {"Shift_R", {Down(0xA0), Down(0xA1), Up(0xA0), Up(0xA1)}},
        {"Super_L", {Down(0x5B, true), Up(0x5B, true)}},
        {"Right", {Down(0x27, true), Up(0x27, true)}},
        {"Escape", {Down(0x1B), Up(0x1B)}},
    };
    std::vector<KeyStroke> seen;
    ASSERT_TRUE(m_grab->Start([&seen](const KeyStroke& s) { seen.push_back(s); }));
    EXPECT_TRUE(m_grab->IsCapturing());
    for (const Case& c : cases) {
        seen.clear();
        ASSERT_TRUE(xdotool({"keydown", c.key, "keyup", c.key}));
        EXPECT_TRUE(dispatchUntil([&] { return seen.size() >= c.strokes.size(); })) << c.key;
        EXPECT_EQ(seen, c.strokes) << c.key;
    }
    // Shift+1 is still the 1 key.
    seen.clear();
    ASSERT_TRUE(xdotool({"keydown", "shift", "keydown", "1", "keyup", "1", "keyup", "shift"}));
    EXPECT_TRUE(dispatchUntil([&] { return seen.size() >= 4; }));
    EXPECT_EQ(seen, (std::vector<KeyStroke>{Down(0xA0), Down(0x31), Up(0x31), Up(0xA0)}));
    m_grab->Stop();
    EXPECT_FALSE(m_grab->IsCapturing());

    // Once the capture is off the other client has its keys again, and none from before.
    ASSERT_TRUE(xdotool({"key", "b"}));
    EXPECT_EQ(otherPressesUntil(XK_b), std::vector<KeySym>{XK_b});
    m_grab->DispatchPending();
    EXPECT_EQ(seen.size(), 4u);
}

// A held key repeats as further presses with no release between them, so a recording's repeat
// filter can tell it from a key struck again.
TEST_F(X11KeyGrabTest, AHeldKeyRepeatsAsPressesOnly) {
    std::vector<KeyStroke> seen;
    ASSERT_TRUE(m_grab->Start([&seen](const KeyStroke& s) { seen.push_back(s); }));
    ASSERT_TRUE(xdotool({"keydown", "c"}));
    const bool repeated = dispatchUntil([&] { return seen.size() >= 3; });
    ASSERT_TRUE(xdotool({"keyup", "c"}));
    ASSERT_TRUE(dispatchUntil([&] { return !seen.empty() && seen.back().release; }));
    if (!repeated) {
        GTEST_SKIP() << "this X server does not repeat held keys";
    }
    const std::vector<KeyStroke> held(seen.begin(), seen.end() - 1);
    EXPECT_EQ(held, std::vector<KeyStroke>(held.size(), Down(0x43)));
    EXPECT_EQ(seen.back(), Up(0x43));
}

TEST_F(X11KeyGrabTest, AKeyboardHeldByAnotherClientFailsWithTheGrabStatus) {
    ASSERT_EQ(XGrabKeyboard(m_other, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime),
              GrabSuccess);
    XSync(m_other, False);
    const Result<void> refused = m_grab->Start([](const KeyStroke&) {});
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.code(), AlreadyGrabbed);
    EXPECT_FALSE(m_grab->IsCapturing());

    XUngrabKeyboard(m_other, CurrentTime);
    XSync(m_other, False);
    EXPECT_TRUE(m_grab->Start([](const KeyStroke&) {}));
    EXPECT_TRUE(m_grab->IsCapturing());
}

TEST_F(X11KeyGrabTest, StopAndDestructionGiveTheKeyboardBack) {
    EXPECT_EQ(otherGrab(), GrabSuccess);
    ASSERT_TRUE(m_grab->Start([](const KeyStroke&) {}));
    EXPECT_EQ(otherGrab(), AlreadyGrabbed);
    m_grab->Stop();
    EXPECT_EQ(otherGrab(), GrabSuccess);
    m_grab->Stop();  // harmless when off

    ASSERT_TRUE(m_grab->Start([](const KeyStroke&) {}));
    EXPECT_EQ(otherGrab(), AlreadyGrabbed);
    m_grab.reset();
    EXPECT_EQ(otherGrab(), GrabSuccess);
}

TEST(X11KeyGrabOpenTest, NoServerGivesNoGrab) {
    EXPECT_EQ(X11KeyGrab::Open(":65000"), nullptr);
}

}  // namespace
}  // namespace gx508
