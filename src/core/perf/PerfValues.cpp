// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/PerfValues.h"

#include "core/perf/Dpi.h"
#include "core/store/LeadingNumber.h"

namespace gx508 {

namespace {

constexpr std::size_t kMaxNumberDigits = 9;  // stays below the range of int

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

}  // namespace

std::size_t LightingLevelOffset(LightingMode mode) {
    switch (mode) {
        case LightingMode::Standard:
            return block::kStandardBrightness;
        case LightingMode::Respiration:
            return block::kRespirationPeriod;
        case LightingMode::Neon:
            return block::kNeonPeriod;
    }
    return block::kStandardBrightness;
}

std::optional<std::uint8_t> DpiIndexOfValue(int dpi) {
    if (dpi < 100 || dpi > 6000) {
        return std::nullopt;
    }
    const std::uint8_t index = DpiTextToIndex(std::to_string(dpi));
    if (DpiIndexToText(index) != std::to_string(dpi)) {
        return std::nullopt;
    }
    return index;
}

std::optional<std::uint8_t> ReportRateCodeOfHz(int hertz) {
    switch (hertz) {
        case 1000:
            return 1;
        case 500:
            return 2;
        case 250:
            return 4;
        case 125:
            return 8;
        default:
            return std::nullopt;
    }
}

int ReportRateHz(std::uint8_t code) {
    return code == 0 ? 0 : 1000 / code;
}

std::optional<Rgb> ParseColour(std::string_view text) {
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    std::uint8_t parts[3] = {};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto high = HexDigit(text[2 * k]);
        const auto low = HexDigit(text[2 * k + 1]);
        if (!high || !low) {
            return std::nullopt;
        }
        parts[k] = static_cast<std::uint8_t>(*high * 16 + *low);
    }
    return Rgb{parts[0], parts[1], parts[2]};
}

TypedWheelLines ReadTypedWheelLines(std::string_view text) {
    const int value = LeadingNumber(text).value_or(0);
    if (value < kMinWheelLines || value > kMaxWheelLines) {
        return {kMinWheelLines, true};
    }
    return {value, false};
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (text.empty() || text.size() > kMaxNumberDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace gx508
