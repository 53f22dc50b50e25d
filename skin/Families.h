// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace gx508::skin {

class SkinWriter;

// Each family draws the images of one group of windows.
void paintBrand(SkinWriter& writer);          // splash, icons, logos
void paintMainWindow(SkinWriter& writer);     // main window background, columns, buttons
void paintMouseViews(SkinWriter& writer);     // mouse pictures and button overlays
void paintSettingsPages(SkinWriter& writer);  // settings panel pages and the scroll bar
void paintDialogs(SkinWriter& writer);        // profile manager, macro dialogs
void paintGunDialogs(SkinWriter& writer);     // gun macro manager and its step dialogs

// The mouse seen from above, as the front view shows it; the splash reuses it.
QImage mouseTopView();

// The flat colour under every control of a settings page or left-column panel; slider tracks
// and choice images that windows copy opaquely are laid on it.
QColor pageColour();

}  // namespace gx508::skin
