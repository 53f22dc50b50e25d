// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gx508 {

// The rows of the button assignment panel and the mouse views that select them.

inline constexpr int kFrontView = 1;
inline constexpr int kSideView = 2;
inline constexpr int kBackView = 3;

// The panel mode a view selects: 0 (front panel) for view 1, 1 (side panel) for view 2; the back
// view keeps the current mode, given as `current`.
int PanelModeOfView(int view, int current);

// Rows of panel mode 0 ("Button 1".."Button 7") and mode 1 ("Button 8".."Button 12").
inline constexpr int kFrontPanelRows = 7;
inline constexpr int kSidePanelRows = 5;

// The rows of a panel mode; 0 for any other mode.
int PanelRowCount(int mode);

// The caption number n of "Button n" shown in a row, and the button index that row stands for;
// 0 and -1 outside the panel.
int PanelCaptionNumber(int mode, int row);
int PanelButtonIndex(int mode, int row);

}  // namespace gx508
