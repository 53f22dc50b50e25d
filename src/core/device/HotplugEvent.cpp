// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/HotplugEvent.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "core/device/DeviceIds.h"

namespace gx508 {

namespace {

constexpr std::uint32_t kUsbBus = 0x0003;

// One hexadecimal field of exactly `digits` digits.
std::optional<std::uint32_t> HexField(std::string_view text, std::size_t digits) {
    if (text.size() != digits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool IsMouseHidId(std::string_view hidId) {
    const std::size_t first = hidId.find(':');
    const std::size_t second = first == std::string_view::npos ? first : hidId.find(':', first + 1);
    if (second == std::string_view::npos) {
        return false;
    }
    const auto bus = HexField(hidId.substr(0, first), 4);
    const auto vendor = HexField(hidId.substr(first + 1, second - first - 1), 8);
    const auto product = HexField(hidId.substr(second + 1), 8);
    return bus == kUsbBus && vendor == kMouseVendorId && product == kMouseProductId;
}

}  // namespace gx508
