// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include <array>

namespace gx508::layout {

// The macro selector and the gun macro selector share one layout, in the dialog's client
// coordinates. Each rectangle is given by its left, top, right and bottom edges, the right and
// bottom ones outside it.
constexpr QRect edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

inline constexpr QRect kSelectorClose = edges(352, 6, 370, 24);
inline constexpr QRect kSelectorOk = edges(250, 250, 308, 275);
inline constexpr QRect kSelectorCancel = edges(314, 250, 372, 275);
inline constexpr QRect kSelectorHint = edges(12, 96, 181, 128);
// The chosen name, and the drop-down box that a click opens or closes (the name with the
// arrow beside it).
inline constexpr QRect kSelectorName = edges(42, 128, 136, 144);
inline constexpr QRect kSelectorDropDown = edges(42, 128, 151, 144);
// The name list, while it is open.
inline constexpr QRect kSelectorList = edges(42, 146, 151, 286);
// Play mode k's box, and the band its description is centred in.
inline constexpr std::array kSelectorModeBoxes = {
    edges(220, 78, 236, 94), edges(220, 128, 236, 144), edges(220, 178, 236, 194)};
inline constexpr std::array kSelectorModeTexts = {
    edges(237, 70, 390, 102), edges(237, 120, 390, 152), edges(237, 170, 390, 202)};

inline constexpr int kSelectorFontHeight = 13;
// The name and the list: white on dark grey.
inline constexpr QColor kSelectorFieldColor{40, 40, 40};

}  // namespace gx508::layout
