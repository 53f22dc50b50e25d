// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FuzzTarget.h"
#include "core/device/DeviceNotice.h"
#include "core/device/HotplugDebounce.h"
#include "core/device/HotplugEvent.h"
#include "core/device/MouseNodeTracker.h"

// Any bytes as the mouse's input reports and as the udev events of hidraw nodes. The input is
// read as records: a kind byte, a length byte and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gx508;
    MouseNodeTracker tracker;
    HotplugDebounce debounce;
    std::int64_t now = 0;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::uint8_t kind = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        const std::span<const std::uint8_t> body(data + at + 2, length);
        const std::string_view text(reinterpret_cast<const char*>(body.data()), body.size());
        at += 2 + length;
        now += kind;
        switch (kind % 4) {
            case 0:
                if (const auto notice = ParseDeviceNotice(body)) {
                    fuzz::Require(body.size() >= 4 && body[0] == 0x06 && body[1] == 0x07,
                                  "a notice comes only from a report starting 06 07");
                }
                break;
            case 1:
                tracker.NotePresent(text.substr(0, text.size() / 2), text.substr(text.size() / 2));
                break;
            case 2: {
                const std::string_view action = (length % 2) != 0 ? "add" : "remove";
                if (const auto event = tracker.OnUevent(action, text.substr(0, length / 2),
                                                        text.substr(length / 2))) {
                    debounce.Add(*event, now);
                }
                break;
            }
            default:
                (void)IsMouseHidId(text);
                (void)debounce.Take(now);
                break;
        }
    }
    return 0;
}
