#include "core/assign/MouseViewLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace gx508 {
namespace {

TEST(MouseViewLayoutTest, RowsStandForTheirButtons) {
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

// Every button a view draws has its label in the panel that view selects, so a highlighted
// label always has its picture in the current view.
TEST(MouseViewLayoutTest, ViewsDrawExactlyTheButtonsOfTheirPanel) {
    for (int view : {kFrontView, kSideView}) {
        const MouseViewPicture* picture = MouseViewPictureOf(view);
        ASSERT_NE(picture, nullptr);
        const int mode = PanelModeOfView(view, 1 - (view - 1));
        std::set<int> panel;
        for (int row = 0; row < PanelRowCount(mode); ++row) {
            panel.insert(PanelButtonIndex(mode, row));
        }
        std::set<int> drawn;
        for (const ButtonOverlay& overlay : picture->overlays) {
            drawn.insert(overlay.button);
        }
        EXPECT_EQ(drawn, panel) << "view " << view;
    }
    EXPECT_EQ(PanelModeOfView(kBackView, 1), 1);
    EXPECT_EQ(PanelModeOfView(kBackView, 0), 0);
    EXPECT_EQ(MouseViewPictureOf(0), nullptr);
    EXPECT_EQ(MouseViewPictureOf(4), nullptr);
}

}  // namespace
}  // namespace gx508
