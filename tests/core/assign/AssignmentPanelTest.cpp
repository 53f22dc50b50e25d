// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentPanel.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

TEST(AssignmentPanelTest, RowsStandForTheirButtons) {
    struct Row {
        int mode, row, caption, button;
    };
    const Row rows[] = {
        {0, 0, 1, 0},  {0, 1, 2, 1},  {0, 2, 3, 2},   {0, 3, 4, 4},  {0, 4, 5, 3},  {0, 5, 6, 5},
        {0, 6, 7, 6},  {1, 0, 8, 11}, {1, 1, 9, 10},  {1, 2, 10, 9}, {1, 3, 11, 8}, {1, 4, 12, 7},
        {0, 7, 0, -1}, {1, 5, 0, -1}, {1, -1, 0, -1}, {2, 0, 0, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << r.mode << " row " << r.row);
        EXPECT_EQ(PanelCaptionNumber(r.mode, r.row), r.caption);
        EXPECT_EQ(PanelButtonIndex(r.mode, r.row), r.button);
    }
}

TEST(AssignmentPanelTest, FrontAndSideViewsSelectTheirPanelAndTheBackViewKeepsIt) {
    for (int current : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "current mode " << current);
        EXPECT_EQ(PanelModeOfView(kFrontView, current), 0);
        EXPECT_EQ(PanelModeOfView(kSideView, current), 1);
        EXPECT_EQ(PanelModeOfView(kBackView, current), current);
    }
    EXPECT_EQ(PanelRowCount(0), 7);
    EXPECT_EQ(PanelRowCount(1), 5);
    EXPECT_EQ(PanelRowCount(2), 0);
    EXPECT_EQ(PanelRowCount(-1), 0);
}

}  // namespace
}  // namespace gx508
