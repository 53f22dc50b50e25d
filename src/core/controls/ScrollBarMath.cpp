// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/ScrollBarMath.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace gx508 {

namespace {

struct Track {
    std::int64_t arrow = 0;
    std::int64_t length = 0;
};

Track TrackOf(int length, int thickness) {
    Track track;
    track.length = std::max<std::int64_t>(std::int64_t{length} - 2 * std::int64_t{thickness}, 0);
    track.arrow = track.length == 0 ? length / 2 : thickness;
    return track;
}

std::int64_t Span(const ScrollInfo& info) {
    return std::int64_t{info.maximum} - info.minimum - info.page + 1;
}

// Thumb length before the rule that hides it when there is nothing to scroll: the page's share
// of the track, at least kMinimumThumbLength, never longer than the track.
std::int64_t ThumbLength(std::int64_t trackLength, const ScrollInfo& info) {
    if (trackLength < kMinimumThumbLength) {
        return 0;
    }
    const std::int64_t values = std::int64_t{info.maximum} - info.minimum + 1;
    const std::int64_t share =
        values > 0 && info.page > 0 ? trackLength * info.page / values : std::int64_t{0};
    return std::clamp<std::int64_t>(share, kMinimumThumbLength, trackLength);
}

std::int64_t ThumbStart(const Track& track, std::int64_t thumbLength, const ScrollInfo& info,
                        int trackPosition) {
    const std::int64_t span = Span(info);
    const std::int64_t free = track.length - thumbLength;
    if (span <= 0) {
        return track.arrow + free / 2;
    }
    const int position = trackPosition != -1 ? trackPosition : info.position;
    const std::int64_t offset =
        std::clamp<std::int64_t>(std::int64_t{position} - info.minimum, 0, span);
    return track.arrow + free * offset / span;
}

}  // namespace

int LastScrollPosition(const ScrollInfo& info) {
    return static_cast<int>(
        std::min<std::int64_t>(std::int64_t{info.minimum} + std::max<std::int64_t>(Span(info), 0),
                               std::numeric_limits<int>::max()));
}

ScrollBarLayout LayoutScrollBar(int length, int thickness, const ScrollInfo& info,
                                int trackPosition) {
    const Track track = TrackOf(length, thickness);
    const std::int64_t thumbLength = Span(info) <= 0 ? 0 : ThumbLength(track.length, info);
    ScrollBarLayout layout;
    layout.length = length;
    layout.arrowLength = static_cast<int>(track.arrow);
    layout.trackLength = static_cast<int>(track.length);
    layout.thumbLength = static_cast<int>(thumbLength);
    layout.thumbStart = static_cast<int>(ThumbStart(track, thumbLength, info, trackPosition));
    return layout;
}

ScrollPart HitTestScrollBar(int at, int length, int thickness, const ScrollInfo& info,
                            int trackPosition) {
    if (at < 0 || at >= length) {
        return ScrollPart::None;
    }
    const Track track = TrackOf(length, thickness);
    if (at < track.arrow) {
        return ScrollPart::FirstArrow;
    }
    const std::int64_t thumbLength = ThumbLength(track.length, info);
    const std::int64_t thumbStart = ThumbStart(track, thumbLength, info, trackPosition);
    if (at < thumbStart) {
        return ScrollPart::PageBefore;
    }
    if (at < thumbStart + thumbLength) {
        return ScrollPart::Thumb;
    }
    if (at < length - track.arrow) {
        return ScrollPart::PageAfter;
    }
    return ScrollPart::SecondArrow;
}

int DraggedScrollPosition(int pressPosition, int offset, int length, int thickness,
                          const ScrollInfo& info) {
    const Track track = TrackOf(length, thickness);
    const std::int64_t free = track.length - ThumbLength(track.length, info);
    const std::int64_t moved = free > 0 ? std::int64_t{offset} * Span(info) / free : 0;
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{pressPosition} + moved,
                                                     info.minimum, LastScrollPosition(info)));
}

}  // namespace gx508
