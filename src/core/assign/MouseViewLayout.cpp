#include "core/assign/MouseViewLayout.h"

#include <array>

#include "core/assign/FunctionCatalogue.h"

namespace gx508 {

namespace {

constexpr std::array kFrontOverlays = {
    ButtonOverlay{0, "Skins/Mouse/Front/F-1", 362, 82},
    ButtonOverlay{1, "Skins/Mouse/Front/F-2", 540, 82},
    ButtonOverlay{2, "Skins/Mouse/Front/F-3", 492, 159},
    ButtonOverlay{3, "Skins/Mouse/Front/F-7", 492, 250},
    ButtonOverlay{4, "Skins/Mouse/Front/F-6", 356, 226},
    ButtonOverlay{6, "Skins/Mouse/Front/F-5", 503, 176},
    ButtonOverlay{5, "Skins/Mouse/Front/F-4", 358, 165},
};

constexpr std::array kSideOverlays = {
    ButtonOverlay{11, "Skins/Mouse/Side/S-8", 465, 146},
    ButtonOverlay{10, "Skins/Mouse/Side/S-9", 500, 272},
    ButtonOverlay{9, "Skins/Mouse/Side/S-10", 530, 145},
    ButtonOverlay{8, "Skins/Mouse/Side/S-11", 565, 145},
    ButtonOverlay{7, "Skins/Mouse/Side/S-12", 585, 300},
};

constexpr std::array kBackOverlays = {
    ButtonOverlay{3, "Skins/Mouse/Back/B-4", 577, 209},
    ButtonOverlay{4, "Skins/Mouse/Back/B-5", 582, 248},
};

constexpr std::array kPictures = {
    MouseViewPicture{"Skins/Mouse/Front/MouseFront.png", 380, 55, kFrontOverlays},
    MouseViewPicture{"Skins/Mouse/Side/MouseSide.png", 305, 233, kSideOverlays},
    MouseViewPicture{"Skins/Mouse/Back/MouseBack.png", 394, 46, kBackOverlays},
};

constexpr int kFrontPanelRows = 7;
constexpr int kSidePanelRows = 5;

}  // namespace

const MouseViewPicture* MouseViewPictureOf(int view) {
    if (view < kFrontView || view > kBackView) {
        return nullptr;
    }
    return &kPictures[static_cast<std::size_t>(view - 1)];
}

int PanelModeOfView(int view, int current) {
    switch (view) {
        case kFrontView:
            return 0;
        case kSideView:
            return 1;
        default:
            return current;
    }
}

int PanelRowCount(int mode) {
    switch (mode) {
        case 0:
            return kFrontPanelRows;
        case 1:
            return kSidePanelRows;
        default:
            return 0;
    }
}

int PanelCaptionNumber(int mode, int row) {
    if (row < 0 || row >= PanelRowCount(mode)) {
        return 0;
    }
    return mode == 0 ? row + 1 : kFrontPanelRows + 1 + row;
}

int PanelButtonIndex(int mode, int row) {
    const int caption = PanelCaptionNumber(mode, row);
    return caption == 0 ? -1 : ButtonIndexOfCaption(caption);
}

}  // namespace gx508
