// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "FuzzTarget.h"
#include "core/LogSink.h"
#include "core/device/ApplySequence.h"
#include "core/device/DeviceLink.h"
#include "core/device/Pacer.h"
#include "core/device/VirtualMouse.h"
#include "core/perf/PointerSettings.h"
#include "core/store/SettingsFiles.h"
#include "core/store/SharedState.h"

// Any bytes as a profile's settings file, loaded and applied to the virtual mouse: whatever
// the block holds, the apply runs to its end without reading or writing outside the block.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gx508;
    const auto& folder = fuzz::ScratchFolder();
    fuzz::WriteInput(folder / "config0.bin", data, size);
    std::filesystem::remove(folder / "record.ini");

    NullLog log;
    auto state = std::make_unique<SharedState>(folder, log);
    LoadProfile(*state, 0);

    VirtualMouse mouse;
    DeviceLink link{mouse, log};
    fuzz::Require(link.FindMouse(), "the virtual mouse is found");
    RecordingPacer pacer;
    CommandChannel channel{link.commandDevice(), pacer, log};
    (void)ApplySettings(*state, channel);
    return 0;
}
