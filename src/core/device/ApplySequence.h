// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Status.h"
#include "core/device/Protocol.h"
#include "core/perf/PointerSettings.h"
#include "core/store/SharedState.h"

namespace gx508 {

// Sends the whole block to the mouse in the protocol's fixed order and with its pauses: report
// rate, sensitivity, DPI stages, colours, the four key matrices, the rebuilt macro image and
// gun macro stream, the gun slot lengths and the lighting; then writes the current profile's
// settings file and the settings ini labels. The sequence always runs to its end; the result
// is the first request or file write that failed.
Status ApplySettings(SharedState& state, CommandChannel& channel);

// The Apply button: when `connected`, ApplySettings, the settings file and labels once more,
// the save point and the desktop pointer settings. Does nothing when not connected.
Status ApplyAndSave(SharedState& state, CommandChannel& channel, PointerBackend& pointer,
                    bool connected);

// Restore defaults without asking: loads the base settings file and ini, writes the code
// defaults over them (keeping the profile byte and the start of the macro image), applies and
// saves when `connected`, writes the labels and sends command 0x0B 0x02 in any case.
Status RestoreDefaults(SharedState& state, CommandChannel& channel, PointerBackend& pointer,
                       bool connected);

}  // namespace gx508
