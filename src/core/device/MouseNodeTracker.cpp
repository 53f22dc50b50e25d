// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MouseNodeTracker.h"

namespace gx508 {

void MouseNodeTracker::NotePresent(std::string_view devnode, std::string_view hidId) {
    if (devnode.empty()) {
        return;
    }
    if (IsMouseHidId(hidId)) {
        m_mouseNodes.emplace(devnode);
    } else if (auto it = m_mouseNodes.find(devnode); it != m_mouseNodes.end()) {
        // The kernel reuses hidraw numbers: this node now belongs to another device.
        m_mouseNodes.erase(it);
    }
}

std::optional<HotplugEvent> MouseNodeTracker::OnUevent(std::string_view action,
                                                       std::string_view devnode,
                                                       std::string_view hidId) {
    if (devnode.empty()) {
        return std::nullopt;
    }
    if (action == "add") {
        NotePresent(devnode, hidId);
        return HotplugEvent{HotplugAction::Arrived, std::string(devnode), Knows(devnode)};
    }
    if (action == "remove") {
        const auto it = m_mouseNodes.find(devnode);
        const bool remembered = it != m_mouseNodes.end();
        if (remembered) {
            m_mouseNodes.erase(it);
        }
        return HotplugEvent{HotplugAction::Removed, std::string(devnode),
                            remembered || IsMouseHidId(hidId)};
    }
    return std::nullopt;
}

bool MouseNodeTracker::Knows(std::string_view devnode) const {
    return m_mouseNodes.find(devnode) != m_mouseNodes.end();
}

}  // namespace gx508
