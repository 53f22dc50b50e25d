// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/ScrollBarMath.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

constexpr int kThickness = 13;

struct LayoutCase {
    int length;
    ScrollInfo info;
    int trackPosition;
    int arrow;
    int track;
    int thumbStart;
    int thumbLength;
};

TEST(ScrollBarMathTest, LayoutPlacesArrowsAndThumb) {
    const LayoutCase cases[] = {
        // Range 0..999, page 400, 300 pixels: a 109-pixel thumb moving over 13..178.
        {300, {0, 999, 400, 0}, -1, 13, 274, 13, 109},
        {300, {0, 999, 400, 300}, -1, 13, 274, 95, 109},
        {300, {0, 999, 400, 600}, -1, 13, 274, 178, 109},
        // While dragged the thumb follows the track position, not the position.
        {300, {0, 999, 400, 0}, 600, 13, 274, 178, 109},
        // A tiny page still gets a 12-pixel thumb.
        {300, {0, 999, 1, 999}, -1, 13, 274, 275, 12},
        // The settings panel: 563 pixels of content in 561.
        {561, {0, 562, 561, 2}, -1, 13, 535, 15, 533},
        // Positions outside the range keep the thumb inside the track.
        {300, {0, 999, 400, 5000}, -1, 13, 274, 178, 109},
        {300, {0, 999, 400, -70}, -1, 13, 274, 13, 109},
        // A range that does not start at 0 places the thumb by the distance from its start.
        {300, {100, 1099, 400, 700}, -1, 13, 274, 178, 109},
        // Nothing to scroll (page covers the range, or more): no thumb.
        {300, {0, 99, 100, 0}, -1, 13, 274, 150, 0},
        {300, {0, 99, 200, 0}, -1, 13, 274, 150, 0},
        // A track shorter than 12 pixels has no thumb.
        {37, {0, 999, 400, 0}, -1, 13, 11, 13, 0},
        // Too short for two whole arrows: each takes half the bar.
        {20, {0, 999, 400, 0}, -1, 10, 0, 10, 0},
    };
    for (const LayoutCase& c : cases) {
        const ScrollBarLayout layout =
            LayoutScrollBar(c.length, kThickness, c.info, c.trackPosition);
        SCOPED_TRACE(testing::Message() << "length " << c.length << " range " << c.info.minimum
                                        << ".." << c.info.maximum << " page " << c.info.page
                                        << " position " << c.info.position);
        EXPECT_EQ(layout.length, c.length);
        EXPECT_EQ(layout.arrowLength, c.arrow);
        EXPECT_EQ(layout.trackLength, c.track);
        EXPECT_EQ(layout.thumbStart, c.thumbStart);
        EXPECT_EQ(layout.thumbLength, c.thumbLength);
    }
}

struct HitCase {
    int at;
    ScrollPart expected;
};

TEST(ScrollBarMathTest, HitTestFindsThePartUnderThePointer) {
    // Thumb at 95..203 (position 300 of 0..600).
    const ScrollInfo info{0, 999, 400, 300};
    const HitCase cases[] = {
        {-1, ScrollPart::None},         {0, ScrollPart::FirstArrow},
        {12, ScrollPart::FirstArrow},   {13, ScrollPart::PageBefore},
        {94, ScrollPart::PageBefore},   {95, ScrollPart::Thumb},
        {203, ScrollPart::Thumb},       {204, ScrollPart::PageAfter},
        {286, ScrollPart::PageAfter},   {287, ScrollPart::SecondArrow},
        {299, ScrollPart::SecondArrow}, {300, ScrollPart::None},
    };
    for (const auto& [at, expected] : cases) {
        EXPECT_EQ(HitTestScrollBar(at, 300, kThickness, info, -1), expected) << "at " << at;
    }
}

TEST(ScrollBarMathTest, HitTestFollowsTheDraggedThumbAndKeepsItWithNothingToScroll) {
    EXPECT_EQ(HitTestScrollBar(180, 300, kThickness, {0, 999, 400, 0}, 600), ScrollPart::Thumb);
    EXPECT_EQ(HitTestScrollBar(100, 300, kThickness, {0, 999, 400, 0}, 600),
              ScrollPart::PageBefore);
    // With nothing to scroll no thumb is drawn, yet the whole track answers as the thumb.
    EXPECT_EQ(HitTestScrollBar(150, 300, kThickness, {0, 99, 100, 0}, -1), ScrollPart::Thumb);
    // Arrows of half the bar each.
    EXPECT_EQ(HitTestScrollBar(9, 20, kThickness, {0, 999, 400, 0}, -1), ScrollPart::FirstArrow);
    EXPECT_EQ(HitTestScrollBar(10, 20, kThickness, {0, 999, 400, 0}, -1), ScrollPart::SecondArrow);
}

struct DragCase {
    ScrollInfo info;
    int pressPosition;
    int offset;
    int expected;
};

TEST(ScrollBarMathTest, DraggingMovesBySpanPerFreePixel) {
    // 300 pixels, range 0..999, page 400: 165 free pixels for a span of 600.
    const DragCase cases[] = {
        {{0, 999, 400, 0}, 0, 0, 0},       {{0, 999, 400, 0}, 0, 1, 3},
        {{0, 999, 400, 0}, 0, 82, 298},    {{0, 999, 400, 0}, 0, 165, 600},
        {{0, 999, 400, 0}, 0, 500, 600},   {{0, 999, 400, 0}, 300, -10, 264},
        {{0, 999, 400, 0}, 300, -1000, 0}, {{100, 1099, 400, 100}, 100, 165, 700},
        {{0, 99, 100, 0}, 0, 50, 0},  // the thumb fills the track
    };
    for (const auto& [info, press, offset, expected] : cases) {
        EXPECT_EQ(DraggedScrollPosition(press, offset, 300, kThickness, info), expected)
            << "from " << press << " by " << offset;
    }
}

TEST(ScrollBarMathTest, LastPosition) {
    EXPECT_EQ(LastScrollPosition({0, 999, 400, 0}), 600);
    EXPECT_EQ(LastScrollPosition({100, 1099, 400, 0}), 700);
    EXPECT_EQ(LastScrollPosition({0, 99, 200, 0}), 0);
}

}  // namespace
}  // namespace gx508
