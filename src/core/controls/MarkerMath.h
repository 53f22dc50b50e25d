// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gx508 {

// The arithmetic of the marker sliders. Coordinates are pixels along the slider's track; every
// division truncates toward zero. A range whose maximum is below its minimum gives the minimum.

// Horizontal slider (fills from the left) whose track spans left..right: the position for a
// pointer at x. Pointers left of the track count as at its left edge; the result is limited to
// minimum..maximum.
int HorizontalMarkerPosition(int x, int left, int right, int minimum, int maximum);

// Vertical slider (fills from the bottom) whose track spans top..bottom: the position for a
// pointer at y. Pointers below the track count as at its bottom edge; the result is limited to
// minimum..maximum.
int VerticalMarkerPosition(int y, int top, int bottom, int minimum, int maximum);

// The filled length of a track of the given length: length × (position − minimum) /
// (maximum − minimum − 1), within 0..length. The track is thus already full one step below the
// maximum. A range of a single step fills the whole track from the maximum on and nothing
// below it.
int MarkerFillLength(int trackLength, int position, int minimum, int maximum);

}  // namespace gx508
