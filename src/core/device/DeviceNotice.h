// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace gx508 {

// An event the mouse reports on its notice collection: input reports 06 07 KIND VALUE ...
struct DeviceNotice {
    std::uint8_t kind = 0;
    std::uint8_t value = 0;
    friend bool operator==(const DeviceNotice&, const DeviceNotice&) = default;
};

// Notice kinds the program itself raises when the mouse arrives or goes.
inline constexpr std::uint8_t kNoticeArrived = 14;
inline constexpr std::uint8_t kNoticeLost = 15;

// The notice an input report carries; nothing for a report shorter than 4 bytes or one that
// does not start with 06 07.
std::optional<DeviceNotice> ParseDeviceNotice(std::span<const std::uint8_t> report);

}  // namespace gx508
