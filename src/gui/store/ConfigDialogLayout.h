// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include "gui/app/MainWindowLayout.h"

namespace gx508::layout {

// The profile manager's parts, in its own coordinates (it sits at the main window's origin).

// The title runs from its left margin to just before the close button, so that every
// language's title fits on one line.
inline constexpr QRect kProfileTitle = Ltrb(10, 0, 235, 31);
inline constexpr QRect kProfileCloseButton = Ltrb(240, 8, 255, 23);
inline constexpr QRect kProfileList = Ltrb(0, 31, 263, 575);
inline constexpr QRect kProfileNewButton = Ltrb(0, 575, 100, 598);
inline constexpr QRect kProfileDeleteButton = Ltrb(110, 575, 230, 598);
// Where each button's glyph sits and where its text starts and ends, from the button's left.
inline constexpr QPoint kProfileNewGlyph{14, 7};
inline constexpr QPoint kProfileDeleteGlyph{14, 7};
inline constexpr int kProfileButtonTextLeft = 30;
inline constexpr int kProfileButtonTextWidth = 50;

inline constexpr int kProfileFontHeight = 13;
inline constexpr int kProfileRowHeight = 18;
inline constexpr QColor kProfileListText{250, 250, 250};
inline constexpr QColor kProfileListBackground{40, 40, 40};

}  // namespace gx508::layout
