// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/MarkerMath.h"

#include <gtest/gtest.h>

#include <climits>

namespace gx508 {
namespace {

struct PositionCase {
    int pointer;
    int expected;
};

TEST(MarkerMathTest, DpiMarkerPositionsAlongItsHeight) {
    // The DPI page's vertical sliders: range 1..54 over 170 pixels, here placed at top 10.
    constexpr int kTop = 10;
    constexpr int kBottom = 180;
    const PositionCase cases[] = {
        {kBottom, 1},       // bottom edge
        {kBottom + 90, 1},  // released below the track
        {kBottom - 3, 1},  {kBottom - 4, 2}, {kTop + 85, 27}, {kTop, 54},  // top edge
        {kTop - 40, 54},  // released above the track
    };
    for (const auto& [y, expected] : cases) {
        EXPECT_EQ(VerticalMarkerPosition(y, kTop, kBottom, 1, 54), expected) << "y " << y;
    }
}

TEST(MarkerMathTest, LightingMarkerPositionsAlongItsWidth) {
    // The lighting page's sliders: range 1..6 over 128 pixels at 100..228.
    constexpr int kLeft = 100;
    constexpr int kRight = 228;
    const PositionCase cases[] = {
        {kLeft - 60, 1}, {kLeft, 1},      {kLeft + 25, 1}, {kLeft + 26, 2},
        {kLeft + 52, 3}, {kRight - 1, 5}, {kRight, 6},     {kRight + 400, 6},
    };
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(HorizontalMarkerPosition(x, kLeft, kRight, 1, 6), expected) << "x " << x;
    }
}

TEST(MarkerMathTest, SensitivityMarkerPositionsAlongItsWidth) {
    // The main window's axis sliders: range 1..11 over 208 pixels.
    const PositionCase cases[] = {
        {0, 1}, {20, 1}, {21, 2}, {104, 6}, {207, 10}, {208, 11},
    };
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(HorizontalMarkerPosition(x, 0, 208, 1, 11), expected) << "x " << x;
    }
}

struct FillCase {
    int length;
    int minimum;
    int maximum;
    int position;
    int expected;
};

TEST(MarkerMathTest, FillDividesByOneStepLessThanTheRange) {
    const FillCase cases[] = {
        // DPI: full from 53 on.
        {170, 1, 54, 1, 0},
        {170, 1, 54, 2, 3},
        {170, 1, 54, 27, 85},
        {170, 1, 54, 52, 166},
        {170, 1, 54, 53, 170},
        {170, 1, 54, 54, 170},
        // Lighting: full from 5 on.
        {128, 1, 6, 1, 0},
        {128, 1, 6, 2, 32},
        {128, 1, 6, 4, 96},
        {128, 1, 6, 5, 128},
        {128, 1, 6, 6, 128},
        // Sensitivity: full from 10 on.
        {208, 1, 11, 6, 115},
        {208, 1, 11, 10, 208},
        // A position left below a range set after creation fills nothing.
        {170, 1, 54, 0, 0},
    };
    for (const auto& [length, minimum, maximum, position, expected] : cases) {
        EXPECT_EQ(MarkerFillLength(length, position, minimum, maximum), expected)
            << minimum << ".." << maximum << " at " << position;
    }
}

TEST(MarkerMathTest, DegenerateTracksAndRangesHaveDefinedResults) {
    EXPECT_EQ(HorizontalMarkerPosition(50, 10, 10, 1, 6), 1);  // no width
    EXPECT_EQ(VerticalMarkerPosition(50, 80, 20, 1, 6), 1);    // upside down
    EXPECT_EQ(HorizontalMarkerPosition(50, 0, 100, 9, 3), 9);  // inverted range
    EXPECT_EQ(HorizontalMarkerPosition(INT_MAX, 0, 1, INT_MIN, INT_MAX), INT_MAX);

    // A range of one step cannot divide by maximum − minimum − 1.
    EXPECT_EQ(MarkerFillLength(128, 1, 1, 2), 0);
    EXPECT_EQ(MarkerFillLength(128, 2, 1, 2), 128);
    EXPECT_EQ(MarkerFillLength(128, 4, 4, 4), 0);
    EXPECT_EQ(MarkerFillLength(0, 3, 1, 6), 0);
    EXPECT_EQ(MarkerFillLength(INT_MAX, INT_MAX, INT_MIN, INT_MAX), INT_MAX);
}

}  // namespace
}  // namespace gx508
