// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/Protocol.h"

#include <cstdio>
#include <string>

namespace gx508 {

void CommandChannel::note(const Status& status) {
    if (!status && firstError) {
        firstError = status;
    }
}

void SetFeatureCommand(CommandChannel& channel, const CommandBytes& c) {
    const FeatureFrame frame = MakeFeatureFrame(c);
    channel.note(channel.device != nullptr ? channel.device->SetFeature(frame)
                                           : Status::Error("the mouse is not open"));
}

void SendFeatureCommand(CommandChannel& channel, CommandBytes& c, bool read) {
    SetFeatureCommand(channel, c);
    if (read) {
        FeatureFrame reply{};
        const Status got = channel.device != nullptr ? channel.device->GetFeature(reply)
                                                     : Status::Error("the mouse is not open");
        channel.note(got);
        if (!got) {
            reply.fill(0);
        }
        std::copy(reply.begin() + 1, reply.end(), c.begin());
        char line[48];
        std::snprintf(line, sizeof line, "Buffer[1]:%02x,Buffer[2]:%02x.", reply[1], reply[2]);
        channel.log.Write(line);
    }
    channel.pacer.Pause(kCommandPauseMs);
}

void QueryFirmwareVersion(CommandChannel& channel) {
    CommandBytes c{0x80};
    SendFeatureCommand(channel, c, true);
    char line[40];
    std::snprintf(line, sizeof line, "FW version:%02x-%02x\n", c[1], c[2]);
    channel.log.Write(line);
}

void QueryFunctionOption(CommandChannel& channel, DeviceBuffer& device) {
    CommandBytes c{0x83};
    SendFeatureCommand(channel, c, true);
    device[devicebuf::kOptionReply] = c[1];
    device[devicebuf::kOptionReply + 1] = c[2];
    device[devicebuf::kOptionReply + 2] = c[3];
    char line[200];
    std::snprintf(line, sizeof line,
                  "GetFunctionOption\tRead function option:Buffer[0]%02x\xEF\xBC\x8C"
                  "Buffer[1]%02x\xEF\xBC\x8C"
                  "Buffer[2]%02x\xEF\xBC\x8C"
                  "Buffer[3]%02x\xEF\xBC\x8C"
                  "Buffer[4]%02x\n",
                  c[0], c[1], c[2], c[3], c[4]);
    channel.log.Write(line);
}

void QueryProfileByte(CommandChannel& channel, SharedState& state) {
    CommandBytes c{0x82};
    SendFeatureCommand(channel, c, true);
    state.device[devicebuf::kProfileReply] = c[1];
    state.block.setByte(block::kProfileIndex, c[1]);
}

}  // namespace gx508
