// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogSink.h"
#include "core/Status.h"
#include "core/device/HidTransport.h"
#include "core/device/Pacer.h"
#include "core/device/ReportFrame.h"
#include "core/store/SharedState.h"

namespace gx508 {

// What commands travel through: the command collection (null when the mouse is not open: every
// request then fails), the pacer and the log. The mouse never acknowledges a request and the
// protocol carries on after a failed one; the first failure is kept so that the caller can
// tell the user.
struct CommandChannel {
    HidDevice* device;
    Pacer& pacer;
    LogSink& log;
    Status firstError{};

    void note(const Status& status);
};

inline constexpr int kCommandPauseMs = 10;  // after every command other than a block header
inline constexpr int kSettlePauseMs = 50;   // after the report rate and sensitivity commands

// Sends c0..c6 as a feature report. Nothing else: no pause.
void SetFeatureCommand(CommandChannel& channel, const CommandBytes& c);

// Sends c0..c6; with `read`, reads the reply back and copies reply bytes 1..8 over c0..c7
// (they stay zero when the read fails) and logs bytes 1 and 2. Then pauses 10 ms.
void SendFeatureCommand(CommandChannel& channel, CommandBytes& c, bool read);

// Command 0x80: logs the firmware version.
void QueryFirmwareVersion(CommandChannel& channel);
// Command 0x83: the three option bytes go to device buffer bytes 1..3.
void QueryFunctionOption(CommandChannel& channel, DeviceBuffer& device);
// Command 0x82: the active profile byte goes to device buffer byte 0 and block byte 0.
void QueryProfileByte(CommandChannel& channel, SharedState& state);

}  // namespace gx508
