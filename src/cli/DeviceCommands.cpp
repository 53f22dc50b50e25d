// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DeviceCommands.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "core/device/ApplySequence.h"
#include "core/device/DeviceIds.h"
#include "core/device/DeviceLink.h"
#include "core/device/WireTrace.h"
#include "platform/HidapiBackend.h"

namespace gx508 {

namespace {

std::string Hex4(std::uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", v);
    return text;
}

// Opens the mouse or says on standard error why it cannot.
bool Connect(DeviceLink& link, CtlContext& ctl) {
    if (link.FindMouse()) {
        return true;
    }
    if (!link.lastOpen() && IsAccessDeniedCode(link.lastOpen().code())) {
        ctl.err << "gx508ctl: the GX508 mouse is present but cannot be opened: permission denied.\n"
                << "Install the udev rule " << kUdevRuleName
                << " (cmake --install puts it in lib/udev/rules.d), then unplug and replug the "
                   "mouse.\n";
    } else if (!link.lastOpen()) {
        ctl.err << "gx508ctl: the GX508 mouse is present but cannot be opened\n";
    } else {
        ctl.err << "gx508ctl: no GX508 mouse found\n";
    }
    return false;
}

// Runs `operation` on the mouse's command collection; with tracing, the wire trace goes to
// standard output, and only once the operation has ended, so that an error prints nothing.
template <typename Operation>
int RunOnMouse(DeviceCommandContext& context, Operation operation) {
    CtlContext& ctl = context.ctl;
    DeviceLink link(context.backend, context.state.log);
    if (!Connect(link, ctl)) {
        return 1;
    }
    std::vector<std::string> trace;
    const TraceSink sink = [&trace](const std::string& line) { trace.push_back(line); };
    std::shared_ptr<HidDevice> device(link.commandDevice(), [](HidDevice*) {});
    TracingDevice tracingDevice(device, sink);
    TracingPacer tracingPacer(ctl.pacer, sink);
    CommandChannel channel{context.trace ? &tracingDevice : link.commandDevice(),
                           context.trace ? static_cast<Pacer&>(tracingPacer) : ctl.pacer,
                           context.state.log};
    const Status status = operation(channel, link.connected());
    if (!status) {
        ctl.err << "gx508ctl: " << status.message() << "\n";
        return 1;
    }
    for (const std::string& line : trace) {
        ctl.out << line << "\n";
    }
    return 0;
}

}  // namespace

int FindCommand(DeviceCommandContext& context) {
    CtlContext& ctl = context.ctl;
    const Result<std::vector<HidInterfaceInfo>> interfaces = context.backend.Enumerate();
    if (!interfaces) {
        ctl.err << "gx508ctl: cannot list HID devices: " << interfaces.message() << "\n";
        return 1;
    }
    DeviceLink link(context.backend, context.state.log);
    if (!Connect(link, ctl)) {
        return 1;
    }
    for (const HidInterfaceInfo& info : *interfaces) {
        if (info.vendorId != kMouseVendorId || info.productId != kMouseProductId) {
            continue;
        }
        const char* role = info.usagePage == kCommandUsagePage && info.usage == kCommandUsage
                               ? "command collection"
                           : info.usagePage == kNoticeUsagePage && info.usage == kNoticeUsage
                               ? "notice collection"
                               : "other collection";
        ctl.out << info.path << ": " << role << ", usage page 0x" << Hex4(info.usagePage)
                << ", usage 0x" << Hex4(info.usage) << ", input " << info.inputReportLength
                << " bytes, output " << info.outputReportLength << " bytes, feature "
                << info.featureReportLength << " bytes\n";
    }
    return 0;
}

int ApplyCommand(DeviceCommandContext& context) {
    return RunOnMouse(context, [&](CommandChannel& channel, bool connected) {
        return ApplyAndSave(context.state, channel, context.ctl.pointer, connected);
    });
}

int RestoreDefaultsCommand(DeviceCommandContext& context) {
    return RunOnMouse(context, [&](CommandChannel& channel, bool connected) {
        return RestoreDefaults(context.state, channel, context.ctl.pointer, connected);
    });
}

int WatchCommand(DeviceCommandContext& context) {
    CtlContext& ctl = context.ctl;
    DeviceLink link(context.backend, context.state.log);
    if (!Connect(link, ctl)) {
        return 1;
    }
    if (ctl.catchStopSignals) {
        ctl.catchStopSignals();
    }
    std::mutex outMutex;
    link.StartReader([&](DeviceNotice notice) {
        std::lock_guard lock(outMutex);
        ctl.out << "notice " << int{notice.kind} << " " << int{notice.value} << std::endl;
    });
    while (!ctl.stop.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    link.StopReader();
    return 0;
}

}  // namespace gx508
