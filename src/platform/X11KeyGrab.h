// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "core/assign/KeySource.h"

struct _XDisplay;

namespace gx508 {

// The desktop's keyboard through an active keyboard grab on the X server: while a capture is
// on, every key press and release goes to this connection alone, named by the keysym of the
// key's unshifted level (Shift+1 is still the 1 key) and handed over as its virtual key. Keys
// without a virtual key are swallowed all the same, and not handed over.
//
// The connection is its own, so the owner watches FileDescriptor() and calls DispatchPending()
// when it is readable (and once after Start); the sink runs inside that call.
class X11KeyGrab final : public KeySource {
  public:
    // How long Start keeps asking while another client (a popup menu just closing) still holds
    // the keyboard.
    static constexpr int kGrabAttempts = 25;
    static constexpr int kGrabRetryMs = 20;

    // Connects to the X server `display` names (the DISPLAY variable when empty); nothing when
    // it cannot.
    static std::unique_ptr<X11KeyGrab> Open(const std::string& display = {});
    ~X11KeyGrab() override;
    X11KeyGrab(const X11KeyGrab&) = delete;
    X11KeyGrab& operator=(const X11KeyGrab&) = delete;

    // Fails with the X server's grab status as the code (1 already grabbed, 2 invalid time,
    // 3 not viewable, 4 frozen) when the keyboard cannot be had.
    Status Start(Sink sink) override;
    // Releases the keyboard; the X server has done so when Stop returns.
    void Stop() override;
    bool IsCapturing() const override { return m_capturing; }

    int FileDescriptor() const;
    // Handles every event the connection holds; key events reach the sink while capturing.
    void DispatchPending();

  private:
    explicit X11KeyGrab(_XDisplay* display) : m_display(display) {}

    _XDisplay* m_display;
    Sink m_sink;
    bool m_capturing = false;
};

}  // namespace gx508
