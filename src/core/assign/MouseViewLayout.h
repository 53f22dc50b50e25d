#pragma once

#include <span>
#include <string_view>

namespace gx508 {

// The pictures of the main window's mouse view and the rows of the button assignment panel.
// Positions are the main window's client coordinates in pixels.

// One button's image pair: `image` completed by "-normal.png" or "-over.png" names the files.
struct ButtonOverlay {
    int button;  // button index 0..11
    std::string_view image;
    int x;
    int y;
};

// A view of the mouse: its base picture and its button images in drawing order.
struct MouseViewPicture {
    std::string_view base;
    int x;
    int y;
    std::span<const ButtonOverlay> overlays;
};

inline constexpr int kFrontView = 1;
inline constexpr int kSideView = 2;
inline constexpr int kBackView = 3;

// The picture of view 1 (front), 2 (side) or 3 (back); null for any other view.
const MouseViewPicture* MouseViewPictureOf(int view);

// The panel mode a view selects: 0 (front panel) for view 1, 1 (side panel) for view 2; the back
// view keeps the current mode, given as `current`.
int PanelModeOfView(int view, int current);

// Rows of panel mode 0 ("Button 1".."Button 7") and mode 1 ("Button 8".."Button 12"); 0 for any
// other mode.
int PanelRowCount(int mode);

// The caption number n of "Button n" shown in a row, and the button index that row stands for;
// 0 and -1 outside the panel.
int PanelCaptionNumber(int mode, int row);
int PanelButtonIndex(int mode, int row);

}  // namespace gx508
