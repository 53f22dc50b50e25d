// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Ctl.h"
#include "core/device/HidTransport.h"
#include "core/store/SharedState.h"

namespace gx508 {

struct DeviceCommandContext {
    SharedState& state;
    HidBackend& backend;
    CtlContext& ctl;
    bool trace;
};

// Lists the mouse's collections; 1 when there is no mouse or it cannot be opened.
int FindCommand(DeviceCommandContext& context);
// Applies and saves the loaded profile as the Apply button does.
int ApplyCommand(DeviceCommandContext& context);
// Restores the factory settings as the Reset button does, without asking.
int RestoreDefaultsCommand(DeviceCommandContext& context);
// Prints "notice KIND VALUE" for each notice until asked to stop.
int WatchCommand(DeviceCommandContext& context);

}  // namespace gx508
