// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/device/DeviceLink.h"
#include "core/device/Pacer.h"
#include "core/store/SharedState.h"

namespace gx508 {

// The start-up search: when the mouse is found, its device buffer is cleared and its firmware
// version and option bytes are read. True when found.
bool ConnectAtStartup(DeviceLink& link, SharedState& state, Pacer& pacer);

// An interface of the mouse arrived. When the search finds the mouse: the device buffer is
// cleared, the active profile byte is read, and the current profile's settings file and
// settings ini are loaded again. True when found; false leaves the link disconnected.
bool HandleArrival(DeviceLink& link, SharedState& state, Pacer& pacer);

// An interface of the mouse went away. True when the command collection is still there (the
// link stays connected and nothing else happens); false when the mouse is gone.
bool HandleRemoval(DeviceLink& link, LogSink& log);

}  // namespace gx508
