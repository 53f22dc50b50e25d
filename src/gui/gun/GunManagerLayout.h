// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include "gui/app/MainWindowLayout.h"

namespace gx508::layout::gun {

// The gun macro manager's controls, in client coordinates of its background picture.
inline constexpr QPoint kTitle{15, 10};
inline constexpr QRect kNameListHeading = Ltrb(18, 58, 138, 82);
inline constexpr QRect kEventListHeading = Ltrb(150, 58, 270, 82);
inline constexpr QRect kOptionsHeading = Ltrb(280, 58, 400, 82);
inline constexpr QRect kNameList = Ltrb(19, 85, 132, 370);
inline constexpr QRect kEventList = Ltrb(151, 85, 264, 370);
inline constexpr QRect kRecordButton = Ltrb(292, 87, 388, 113);
inline constexpr QRect kInsertKeyButton = Ltrb(292, 120, 388, 146);
inline constexpr QRect kInsertMouseButton = Ltrb(292, 154, 388, 180);
inline constexpr QRect kInsertDisplacementButton = Ltrb(292, 187, 388, 213);
inline constexpr QRect kInsertDelayButton = Ltrb(292, 220, 388, 246);
inline constexpr QRect kRecordDelayBox = Ltrb(292, 295, 306, 309);
inline constexpr QPoint kRecordDelayLabel{312, 295};
inline constexpr QRect kLoopBox = Ltrb(292, 316, 306, 330);
inline constexpr QPoint kLoopLabel{312, 312};
inline constexpr QRect kLoopField = Ltrb(298, 333, 380, 346);
inline constexpr QRect kNewButton = Ltrb(22, 363, 74, 390);
inline constexpr QRect kDeleteButton = Ltrb(82, 363, 134, 390);
inline constexpr QRect kOkButton = Ltrb(299, 389, 351, 416);
inline constexpr QRect kCancelButton = Ltrb(355, 389, 407, 416);

inline constexpr int kTwoLineFontHeight = 11;  // an insert button's label on two lines
inline constexpr int kMenuWidth = 140;         // the event list's right-button menu
inline constexpr QColor kText{255, 255, 255};
inline constexpr QColor kDisabledText{150, 150, 150};
inline constexpr QColor kFieldBackground{34, 24, 21};
inline constexpr QColor kListBackground{109, 109, 109};

}  // namespace gx508::layout::gun
