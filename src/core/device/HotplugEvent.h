// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace gx508 {

enum class HotplugAction { Arrived, Removed };

// A hidraw node that appeared or went away.
struct HotplugEvent {
    HotplugAction action = HotplugAction::Arrived;
    std::string devnode;   // e.g. "/dev/hidraw3"
    bool isMouse = false;  // the node belongs to this mouse

    friend bool operator==(const HotplugEvent&, const HotplugEvent&) = default;
};

// True for the HID_ID property ("BBBB:VVVVVVVV:PPPPPPPP", hexadecimal, either case) of this
// mouse on the USB bus.
bool IsMouseHidId(std::string_view hidId);

}  // namespace gx508
