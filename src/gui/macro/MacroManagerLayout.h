// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include "gui/app/MainWindowLayout.h"

namespace gx508::layout::macro {

// The macro manager's controls, in client coordinates of its background picture.
inline constexpr QRect kTitle = Ltrb(15, 0, 414, 31);
inline constexpr QRect kCloseButton = Ltrb(427, 17, 478, 41);
inline constexpr QRect kMacroListHeading = Ltrb(16, 60, 134, 78);
inline constexpr QRect kEventListHeading = Ltrb(148, 60, 266, 78);
inline constexpr QRect kOptionsHeading = Ltrb(279, 60, 397, 78);
inline constexpr QRect kMacroList = Ltrb(21, 82, 130, 353);
inline constexpr QRect kEventList = Ltrb(153, 82, 262, 353);
inline constexpr QRect kRecordButton = Ltrb(295, 87, 384, 111);
inline constexpr QRect kRecordDelayLabel = Ltrb(290, 136, 370, 206);
inline constexpr QRect kRecordDelayBox = Ltrb(370, 144, 384, 158);
inline constexpr QRect kLoopLabel = Ltrb(296, 299, 401, 314);
inline constexpr QRect kLoopBox = Ltrb(296, 314, 310, 328);
inline constexpr QRect kLoopField = Ltrb(298, 333, 379, 345);
inline constexpr QRect kNewButton = Ltrb(17, 367, 75, 392);
inline constexpr QRect kDeleteButton = Ltrb(77, 367, 135, 392);
inline constexpr QRect kOkButton = Ltrb(298, 394, 352, 422);
inline constexpr QRect kCancelButton = Ltrb(354, 394, 408, 422);

inline constexpr int kFontHeight = 12;
inline constexpr int kRecordLatinFontHeight = 14;  // the record button's label in EN and DE
inline constexpr int kMenuWidth = 140;             // the event list's right-button menu
inline constexpr QColor kText{255, 255, 255};
inline constexpr QColor kFieldBackground{34, 24, 21};
inline constexpr QColor kListBackground{109, 109, 109};

}  // namespace gx508::layout::macro
