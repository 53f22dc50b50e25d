// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/MarkerMath.h"

#include <algorithm>
#include <cstdint>

namespace gx508 {

namespace {

// minimum + (maximum − minimum) × offset / length, limited to the range. 64-bit products keep
// extreme ranges and far-away pointers from overflowing.
int PositionAlong(std::int64_t offset, std::int64_t length, int minimum, int maximum) {
    if (maximum < minimum || length <= 0) {
        return minimum;
    }
    const std::int64_t span = std::int64_t{maximum} - minimum;
    const std::int64_t position = minimum + span * offset / length;
    return static_cast<int>(std::clamp<std::int64_t>(position, minimum, maximum));
}

}  // namespace

int HorizontalMarkerPosition(int x, int left, int right, int minimum, int maximum) {
    const std::int64_t offset = std::int64_t{std::max(x, left)} - left;
    return PositionAlong(offset, std::int64_t{right} - left, minimum, maximum);
}

int VerticalMarkerPosition(int y, int top, int bottom, int minimum, int maximum) {
    const std::int64_t offset = std::int64_t{bottom} - std::min(y, bottom);
    return PositionAlong(offset, std::int64_t{bottom} - top, minimum, maximum);
}

int MarkerFillLength(int trackLength, int position, int minimum, int maximum) {
    if (trackLength <= 0) {
        return 0;
    }
    const std::int64_t divisor = std::int64_t{maximum} - minimum - 1;
    if (divisor <= 0) {
        return position > minimum ? trackLength : 0;
    }
    const std::int64_t fill =
        std::int64_t{trackLength} * (std::int64_t{position} - minimum) / divisor;
    return static_cast<int>(std::clamp<std::int64_t>(fill, 0, trackLength));
}

}  // namespace gx508
