// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <span>

#include "core/assign/AssignmentPanel.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::layout {

// The mouse view in the middle of the main window and the button assignment panel of the left
// column, in the main window's client coordinates. The windows draw from these tables and the
// skin generator cuts its pictures to them.

// The area the mouse view repaints: its background and every view's pictures lie inside it.
inline constexpr QRect kViewArea{262, 32, 472, 418};

// The view tabs: Top View, Side View and the Back tab, which is never shown.
inline constexpr std::array<QRect, 3> kViewTabs = {QRect(437, 527, 62, 29), QRect(503, 527, 62, 29),
                                                   QRect(533, 527, 62, 29)};

// One button's overlay on a view: the button index 0..11 it stands for, its two looks and where
// they are drawn.
struct ButtonOverlay {
    int button;
    const OverlayFiles* files;
    QPoint at;
};

// A view of the mouse: its base picture, where it is drawn, and its button overlays in drawing
// order.
struct MouseViewPicture {
    const SkinFile* base;
    QPoint at;
    std::span<const ButtonOverlay> overlays;
};

inline constexpr std::array kFrontOverlays = {
    ButtonOverlay{0, &kFront1Files, {362, 82}},  ButtonOverlay{1, &kFront2Files, {540, 82}},
    ButtonOverlay{2, &kFront3Files, {492, 159}}, ButtonOverlay{3, &kFront7Files, {492, 250}},
    ButtonOverlay{4, &kFront6Files, {356, 226}}, ButtonOverlay{6, &kFront5Files, {503, 176}},
    ButtonOverlay{5, &kFront4Files, {358, 165}},
};

inline constexpr std::array kSideOverlays = {
    ButtonOverlay{11, &kSide8Files, {465, 146}}, ButtonOverlay{10, &kSide9Files, {500, 272}},
    ButtonOverlay{9, &kSide10Files, {530, 145}}, ButtonOverlay{8, &kSide11Files, {565, 145}},
    ButtonOverlay{7, &kSide12Files, {585, 300}},
};

inline constexpr std::array kBackOverlays = {
    ButtonOverlay{3, &kBack4Files, {577, 209}},
    ButtonOverlay{4, &kBack5Files, {582, 248}},
};

// Views 1 (front), 2 (side) and 3 (back), in that order.
inline constexpr std::array kMouseViewPictures = {
    MouseViewPicture{&kMouseFrontFile, {380, 55}, kFrontOverlays},
    MouseViewPicture{&kMouseSideFile, {305, 233}, kSideOverlays},
    MouseViewPicture{&kMouseBackFile, {394, 46}, kBackOverlays},
};

// The picture of view 1 (front), 2 (side) or 3 (back); null for any other view.
constexpr const MouseViewPicture* mouseViewPicture(int view) {
    if (view < kFrontView || view > kBackView) {
        return nullptr;
    }
    return &kMouseViewPictures[static_cast<std::size_t>(view - kFrontView)];
}

// The panel under the "Button Assignment" header, and row r's caption box and function label.
inline constexpr QRect kPanelArea{20, 127, 242, 174};
inline constexpr QSize kPanelLabelSize{130, 16};
inline constexpr int kPanelRowPitch = 20;

constexpr QRect panelCaptionBox(int row) {
    return QRect(31, 156 + kPanelRowPitch * row, 84, 14);
}

constexpr QPoint panelLabelPosition(int row) {
    return QPoint(120, 154 + kPanelRowPitch * row);
}

}  // namespace gx508::layout
