// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gx508 {

// The arithmetic of the skinned scroll bar: where its arrows, page areas and thumb lie, which
// part a pointer is over, and where a dragged thumb puts the position. Lengths are pixels along
// the bar (y for a vertical bar, x for a horizontal one).

// Parts of the bar. The codes are also those of the requests a press on the part sends.
enum class ScrollPart {
    None = -1,
    FirstArrow = 0,
    SecondArrow = 1,
    PageBefore = 2,
    PageAfter = 3,
    Thumb = 5,
};

// Requests the bar sends to the window it scrolls.
enum class ScrollRequest {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
};

// A scroll state as a platform scroll bar holds it: the range minimum..maximum (both included),
// the page (how much of the range is in view) and the position of the first value in view.
struct ScrollInfo {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool operator==(const ScrollInfo&) const = default;
};

// Thumbs are never drawn shorter than this, and a track shorter than this has no thumb.
inline constexpr int kMinimumThumbLength = 12;

// The highest position the thumb can reach: maximum − page + 1, never below the minimum.
int LastScrollPosition(const ScrollInfo& info);

struct ScrollBarLayout {
    int length = 0;       // the whole bar
    int arrowLength = 0;  // each arrow
    int trackLength = 0;  // between the arrows
    int thumbStart = 0;
    int thumbLength = 0;  // 0: no thumb
};

// The bar of the given length and thickness: arrows as long as the bar is thick (half the bar
// each when it is shorter than two arrows), the thumb as long as the page is in the range
// (at least kMinimumThumbLength), placed at the track position while it is not −1, else at the
// position. With nothing to scroll the thumb is not shown.
ScrollBarLayout LayoutScrollBar(int length, int thickness, const ScrollInfo& info,
                                int trackPosition);

// The part under a pointer at the given distance from the bar's start. With nothing to scroll
// the thumb still counts, centred in the track; points before or past the bar are over no part.
ScrollPart HitTestScrollBar(int at, int length, int thickness, const ScrollInfo& info,
                            int trackPosition);

// The position of a thumb dragged by `offset` pixels from where it was pressed at
// `pressPosition`, limited to minimum..LastScrollPosition.
int DraggedScrollPosition(int pressPosition, int offset, int length, int thickness,
                          const ScrollInfo& info);

}  // namespace gx508
