// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gx508 {

// One top-level Application collection of a HID report descriptor. Each length is the longest
// report of that kind in the collection (nested collections included), in bytes, plus one byte
// for the report id, which is counted whether or not the descriptor uses report ids: 8 feature
// bytes without report ids give 9. A kind the collection does not have is 0. Lengths saturate
// at 65535.
struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;

    friend bool operator==(const TopLevelCollection&, const TopLevelCollection&) = default;
};

// What a report descriptor declares, in descriptor order.
struct ReportDescriptor {
    std::vector<TopLevelCollection> collections;
    // False when parsing stopped at damage: an item cut off by the end of the data, an End
    // Collection or Pop with nothing to close, a Push deeper than kMaxPushDepth, report id 0,
    // or a collection still open at the end. The collections opened before the damage are
    // kept, with the reports counted up to it.
    bool wellFormed = true;
};

// Global item states a descriptor may push before the parser calls it damaged.
inline constexpr std::size_t kMaxPushDepth = 32;

// Parses a HID report descriptor. Work is linear in the size of the data; any input gives a
// defined result.
ReportDescriptor ParseReportDescriptor(std::span<const std::uint8_t> bytes);

}  // namespace gx508
