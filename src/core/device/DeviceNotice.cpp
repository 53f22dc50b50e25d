// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/DeviceNotice.h"

namespace gx508 {

std::optional<DeviceNotice> ParseDeviceNotice(std::span<const std::uint8_t> report) {
    if (report.size() < 4 || report[0] != 0x06 || report[1] != 0x07) {
        return std::nullopt;
    }
    return DeviceNotice{report[2], report[3]};
}

}  // namespace gx508
