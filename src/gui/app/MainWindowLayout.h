// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace gx508::layout {

// The main window's controls, in client coordinates.

// A rectangle given by its left, top, right and bottom edges (right and bottom excluded).
constexpr QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

inline constexpr QRect kHelpButton = Ltrb(937, 5, 952, 20);
inline constexpr QRect kMinimiseButton = Ltrb(958, 5, 973, 20);
inline constexpr QRect kCloseButton = Ltrb(979, 5, 994, 20);
inline constexpr QRect kProfileButton = Ltrb(18, 604, 90, 634);
inline constexpr QRect kResetButton = Ltrb(798, 604, 855, 634);
inline constexpr QRect kCancelButton = Ltrb(860, 604, 917, 634);
inline constexpr QRect kApplyButton = Ltrb(923, 604, 980, 634);

// The left column's headers while the button list is collapsed.
inline constexpr QRect kAssignmentHeader = Ltrb(20, 107, 262, 127);
inline constexpr QRect kMacroHeader = Ltrb(20, 132, 262, 152);
inline constexpr QRect kGunHeader = Ltrb(20, 157, 262, 177);
inline constexpr QRect kAxisHeader = Ltrb(20, 182, 262, 202);

// The axis panel under its header: the sliders' offsets and size, and the texts' boxes.
inline constexpr int kSliderLeftOffset = 17;  // from the header's left edge
inline constexpr int kSliderTopOffset = 25;   // from the header's bottom edge
inline constexpr int kSliderSpacing = 45;     // from the X slider's top to the Y slider's
inline constexpr QSize kSliderSize{208, 9};
inline constexpr QRect kSliderTrackSource{0, 0, 206, 14};
inline constexpr int kSensitivityMin = 1;
inline constexpr int kSensitivityMax = 11;
inline constexpr int kScaleMarks = 10;
inline constexpr int kScaleFirstLeft = 44;
inline constexpr int kScaleStep = 21;
inline constexpr int kAxisTextRight = 262;

inline constexpr QPoint kLogo{20, 32};
inline constexpr QPoint kLeftColumn{20, 107};
inline constexpr QPoint kSmallLogo{40, 525};

}  // namespace gx508::layout
