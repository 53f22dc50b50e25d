// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ReportFrame.h"

#include <algorithm>

namespace gx508 {

std::uint8_t CommandChecksum(const CommandBytes& c) {
    unsigned sum = 0;
    for (std::size_t k = 0; k < 7; ++k) {
        sum += c[k];
    }
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

FeatureFrame MakeFeatureFrame(const CommandBytes& c) {
    FeatureFrame frame{};
    std::copy_n(c.begin(), 7, frame.begin() + 1);
    frame[8] = CommandChecksum(c);
    return frame;
}

OutputFrame MakeOutputFrame(std::span<const std::uint8_t> payload) {
    OutputFrame frame{};
    const std::size_t n = std::min(payload.size(), kOutputPayloadSize);
    std::copy_n(payload.begin(), n, frame.begin() + 1);
    return frame;
}

}  // namespace gx508
