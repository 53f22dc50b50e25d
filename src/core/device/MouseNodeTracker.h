// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/device/HotplugEvent.h"

namespace gx508 {

// Remembers which hidraw nodes belong to this mouse, so that a removal can still be recognised
// once the node's parent HID device has left sysfs and its HID_ID can no longer be read.
class MouseNodeTracker {
  public:
    // A node present when watching started; `hidId` is the parent HID device's HID_ID, empty
    // when unknown.
    void NotePresent(std::string_view devnode, std::string_view hidId);

    // Turns a udev event on a hidraw node into a hotplug event: "add" gives Arrived, "remove"
    // gives Removed, any other action or a missing devnode gives nothing. An added node is the
    // mouse's when its HID_ID says so; a removed node when it was remembered as the mouse's or
    // its HID_ID (if still readable) says so.
    std::optional<HotplugEvent> OnUevent(std::string_view action, std::string_view devnode,
                                         std::string_view hidId);

    bool Knows(std::string_view devnode) const;

  private:
    std::set<std::string, std::less<>> m_mouseNodes;
};

}  // namespace gx508
