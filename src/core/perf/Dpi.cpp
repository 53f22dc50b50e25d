// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/Dpi.h"

#include <algorithm>

#include "core/store/LeadingNumber.h"

namespace gx508 {

namespace {

constexpr int kFirstWideStep = 50;  // indexes from here step by 200 DPI

}  // namespace

std::string DpiIndexToText(int index) {
    if (index < 0 || index > kMaxDpiIndex) {
        return {};
    }
    if (index < kFirstWideStep) {
        return std::to_string((index + 1) * 100);
    }
    return std::to_string(5200 + (index - kFirstWideStep) * 200);
}

std::uint8_t DpiTextToIndex(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    const int value = std::clamp(LeadingNumber(text.substr(0, digits)).value_or(0), 100, 6000);
    const int hundreds = value / 100;
    if (hundreds <= 50) {
        return static_cast<std::uint8_t>(hundreds - 1);
    }
    // 5100..5399 count as 5200, then every 200 DPI is one step.
    return static_cast<std::uint8_t>(hundreds <= 53 ? kFirstWideStep
                                                    : kFirstWideStep + (hundreds - 52) / 2);
}

std::uint8_t DpiDeviceCode(int index, bool enabled) {
    if (index < 0 || index > kMaxDpiIndex) {
        return 0;
    }
    const int code = index < kFirstWideStep ? index : 0x59 + (index - kFirstWideStep);
    return static_cast<std::uint8_t>(enabled ? code : (code | 0x80));
}

}  // namespace gx508
