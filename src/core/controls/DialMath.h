// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace gx508 {

// The arithmetic of the round controls of the settings pages. Coordinates are page client
// pixels.

// The speed arc: the upper half of a ring around (121, 91) from radius 43 to 71, its right end
// 11, its top 7, each 18 degrees further left one step lower, and 1 from 175 degrees on.
struct ArcClick {
    bool handled = false;         // false below the centre line: nothing at all happens
    std::optional<double> angle;  // degrees, when the click fell on the ring
    int value = 0;                // the new value, always within 1..11 when handled
};

// A click at (x, y) on the arc whose value is `current`. A click above the line but off the
// ring keeps the value, limited to 1..11.
ArcClick SpeedArcClick(int x, int y, int current);

// The report-rate dial: a ring around (121, 66) from radius 35 to 64 in four quarters. The
// code of the quarter under (x, y): upper right 1 (1000 Hz), upper left 8 (125 Hz), lower left 4
// (250 Hz), lower right 2 (500 Hz); nothing off the ring or on either axis.
std::optional<std::uint8_t> ReportRateDialCode(int x, int y);

}  // namespace gx508
