// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentPanel.h"

#include "core/assign/FunctionCatalogue.h"

namespace gx508 {

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
