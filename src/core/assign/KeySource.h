// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "core/Status.h"

namespace gx508 {

// One key press or release anywhere on the desktop, as a virtual-key code with the two flags the
// key tables care about: the extended-key flag (the right-hand Ctrl and Alt, the cursor block,
// numeric-pad Enter and divide, the Windows keys) and the release flag.
struct KeyStroke {
    int virtualKey = 0;
    bool extended = false;
    bool release = false;

    bool operator==(const KeyStroke&) const = default;
};

// The flag bits of a keystroke in log lines: extended 0x01, release 0x80.
inline int KeyStrokeFlags(const KeyStroke& stroke) {
    return (stroke.extended ? 0x01 : 0) | (stroke.release ? 0x80 : 0);
}

// A desktop-wide capture of the keyboard. While a capture is on, every key press and release is
// handed to the sink, on the thread that runs the program's event loop, and reaches no other
// program. Start fails (with the system's error code where there is one) when no capture can be
// had; Stop ends the capture and is harmless when none is on. Destroying the source ends it too.
class KeySource {
  public:
    using Sink = std::function<void(const KeyStroke&)>;

    virtual ~KeySource() = default;
    virtual Status Start(Sink sink) = 0;
    virtual void Stop() = 0;
    virtual bool IsCapturing() const = 0;
};

}  // namespace gx508
