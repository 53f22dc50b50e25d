// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11KeyGrab.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "platform/KeysymTable.h"

namespace gx508 {

std::unique_ptr<X11KeyGrab> X11KeyGrab::Open(const std::string& display) {
    Display* connection = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (connection == nullptr) {
        return nullptr;
    }
    // A held key then repeats as presses alone, as on a keyboard hook, rather than as
    // release-press pairs that would read as the key being struck again and again.
    XkbSetDetectableAutoRepeat(connection, True, nullptr);
    return std::unique_ptr<X11KeyGrab>(new X11KeyGrab(connection));
}

X11KeyGrab::~X11KeyGrab() {
    Stop();
    XCloseDisplay(m_display);
}

// Xlib defines Status as a macro, hence the full name of the result type.
Result<void> X11KeyGrab::Start(Sink sink) {
    if (m_capturing) {
        m_sink = std::move(sink);
        return Result<void>::Ok();
    }
    int status = GrabSuccess;
    for (int attempt = 0; attempt < kGrabAttempts; ++attempt) {
        status = XGrabKeyboard(m_display, DefaultRootWindow(m_display), False, GrabModeAsync,
                               GrabModeAsync, CurrentTime);
        if (status != AlreadyGrabbed && status != GrabFrozen) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kGrabRetryMs));
    }
    if (status != GrabSuccess) {
        return Result<void>::Error(
            "the X server refused the keyboard grab (status " + std::to_string(status) + ")",
            status);
    }
    m_sink = std::move(sink);
    m_capturing = true;
    return Result<void>::Ok();
}

void X11KeyGrab::Stop() {
    if (!m_capturing) {
        return;
    }
    m_capturing = false;
    XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, True);
}

int X11KeyGrab::FileDescriptor() const {
    return ConnectionNumber(m_display);
}

void X11KeyGrab::DispatchPending() {
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (!m_capturing || (event.type != KeyPress && event.type != KeyRelease)) {
            continue;
        }
        const KeySym keysym =
            XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(event.xkey.keycode), 0, 0);
        const VirtualKey key = VirtualKeyOfKeysym(keysym);
        if (key.code != 0) {
            // The sink may stop the capture or start another one.
            const Sink sink = m_sink;
            sink(KeyStroke{key.code, key.extended, event.type == KeyRelease});
        }
    }
}

}  // namespace gx508
