// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/Connection.h"

#include "core/device/Protocol.h"
#include "core/store/SettingsFiles.h"

namespace gx508 {

bool ConnectAtStartup(DeviceLink& link, SharedState& state, Pacer& pacer) {
    if (!link.FindMouse()) {
        return false;
    }
    state.device.fill(0);
    CommandChannel channel{link.commandDevice(), pacer, state.log};
    QueryFirmwareVersion(channel);
    QueryFunctionOption(channel, state.device);
    return true;
}

bool HandleArrival(DeviceLink& link, SharedState& state, Pacer& pacer) {
    if (!link.FindMouse()) {
        link.setConnected(false);
        return false;
    }
    link.setConnected(true);
    state.device.fill(0);
    CommandChannel channel{link.commandDevice(), pacer, state.log};
    QueryProfileByte(channel, state);
    LoadProfileSettings(state);
    ReadSettingsIni(state);
    return true;
}

bool HandleRemoval(DeviceLink& link, LogSink& log) {
    if (link.FindMouse()) {
        link.setConnected(true);
        return true;
    }
    log.Write("The system did not detect the gaming mouse.");
    link.setConnected(false);
    return false;
}

}  // namespace gx508
