// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <array>
#include <string_view>

namespace gx508 {

// One image of the skin folder: its name below "Skins" (spelt with "/") and its pixel size.
// Windows look names up without regard to case or separators (Skin::resolve), so each file is
// stored with this one spelling only.
struct SkinFile {
    std::string_view name;
    int width;
    int height;

    constexpr QSize size() const { return QSize(width, height); }
};

// The files that windows draw, by name; the list at the end gathers them with the files that no
// window draws yet.

inline constexpr SkinFile kSplashFile{"splash.png", 600, 360};

// The window and notification-area icon at the sizes a desktop asks for, smallest first; the
// last one also serves the desktop entry.
inline constexpr std::array kIconFiles = {
    SkinFile{"gx508-16.png", 16, 16},
    SkinFile{"gx508-32.png", 32, 32},
    SkinFile{"gx508-48.png", 48, 48},
    SkinFile{"gx508.png", 256, 256},
};

// Main window: background, logos, columns and section headers.
inline constexpr SkinFile kMainBackgroundFile{"main.png", 1000, 642};
inline constexpr SkinFile kLogoFile{"Logo.png", 242, 75};
inline constexpr SkinFile kSmallLogoFile{"MLogo.png", 200, 56};
inline constexpr SkinFile kLeftColumnFile{"BK_MainLeft.png", 242, 486};
inline constexpr SkinFile kMiddleColumnFile{"BK_MainMid.png", 472, 561};
inline constexpr SkinFile kHeaderFile{"ItemBK.png", 242, 20};
inline constexpr SkinFile kMacroHeaderFile{"MacroManagementBK.png", 242, 20};

// The scroll bar's cells: 9 columns × 3 rows of 13 × 16 pixels (up arrow, down arrow, thumb,
// track of a vertical bar; the horizontal bar's four parts and the corner box are blank; rows
// normal, hover, pressed).
inline constexpr SkinFile kScrollBarCellsFile{"ScrollBar.png", 117, 48};

// Main window buttons: the window buttons, the profile button, the three command buttons (Reset,
// Cancel and Apply share one set of looks) and the view tabs.
inline constexpr SkinFile kHelpNormalFile{"button-help-normal.png", 15, 15};
inline constexpr SkinFile kHelpOverFile{"button-help-over.png", 15, 15};
inline constexpr SkinFile kMinimiseNormalFile{"button-min-normal.png", 15, 15};
inline constexpr SkinFile kMinimiseOverFile{"button-min-over.png", 15, 15};
inline constexpr SkinFile kCloseNormalFile{"button-close-normal.png", 15, 15};
inline constexpr SkinFile kCloseOverFile{"button-close-over.png", 15, 15};
inline constexpr SkinFile kConfigNormalFile{"button-config-normal.png", 72, 30};
inline constexpr SkinFile kConfigOverFile{"button-config-over.png", 72, 30};
inline constexpr SkinFile kConfigLeaveFile{"button-config-leave.png", 72, 30};
inline constexpr SkinFile kCommandNormalFile{"button-cancel-normal.png", 57, 30};
inline constexpr SkinFile kCommandOverFile{"button-cancel-over.png", 57, 30};
inline constexpr SkinFile kCommandLeaveFile{"button-cancel-leave.png", 57, 30};
inline constexpr SkinFile kViewTabNormalFile{"button-mouse-normal.png", 62, 29};
inline constexpr SkinFile kViewTabOverFile{"button-mouse-over.png", 62, 29};
inline constexpr SkinFile kViewTabLeaveFile{"button-mouse-leave.png", 62, 29};

// The profile manager: its background and the glyphs of its New and Delete buttons.
inline constexpr SkinFile kProfileBackgroundFile{"Config/Config.png", 263, 600};
inline constexpr SkinFile kProfileNewFile{"Config/New-Config.png", 12, 12};
inline constexpr SkinFile kProfileDeleteFile{"Config/Del-Config.png", 12, 12};

// Button assignment and axis sensitivity panels of the left column.
inline constexpr SkinFile kFrontPanelFile{"ButtonAssignment/BK_ButtonAssignment.png", 242, 174};
inline constexpr SkinFile kSidePanelFile{"ButtonAssignment/BK_ButtonAssignment-Side.png", 242, 174};
inline constexpr SkinFile kLabelNormalFile{"ButtonAssignment/DropdownBox-normal.png", 130, 16};
inline constexpr SkinFile kLabelOverFile{"ButtonAssignment/DropdownBox-over.png", 130, 16};
inline constexpr SkinFile kAxisPanelFile{"XYSensitivity/BK_XYSensSetting.png", 242, 106};
inline constexpr SkinFile kSliderEmptyFile{"StageSlider/1.png", 208, 14};
inline constexpr SkinFile kSliderFullFile{"StageSlider/10.png", 208, 14};

// Macro manager: its background, close button, record button, the two tick box looks and the
// looks of New and Delete (OK and Cancel look like the single key dialog's buttons).
inline constexpr SkinFile kMacroManagerFile{"MacroManagement/MacroManagement.png", 492, 436};
inline constexpr SkinFile kMacroCloseNormalFile{"macro-button-close-normal.png", 51, 24};
inline constexpr SkinFile kMacroCloseOverFile{"macro-button-close-over.png", 51, 24};
inline constexpr SkinFile kMacroRecordNormalFile{"MacroManagement/Record-normal.png", 89, 24};
inline constexpr SkinFile kMacroRecordOverFile{"MacroManagement/Record-over.png", 89, 24};
inline constexpr SkinFile kMacroTickOffFile{"MacroManagement/Pane.png", 14, 14};
inline constexpr SkinFile kMacroTickOnFile{"MacroManagement/PaneMakingTick.png", 14, 14};
inline constexpr SkinFile kMacroNewNormalFile{"MacroManagement/button-new-normal.png", 58, 25};
inline constexpr SkinFile kMacroNewOverFile{"MacroManagement/button-new-over.png", 58, 25};

// The single key dialog: its background and the looks of its OK and Cancel buttons (shared with
// the macro manager's).
inline constexpr SkinFile kSingleKeyFile{"single-key.png", 382, 290};
inline constexpr SkinFile kDialogButtonNormalFile{"MacroManagement/button-cancel-normal.png", 54,
                                                  26};
inline constexpr SkinFile kDialogButtonOverFile{"MacroManagement/button-cancel-over.png", 54, 26};

// Macro selector and gun macro selector: background and play mode boxes; their OK and Cancel
// buttons look like the macro manager's New button, their close button is the main window's.
inline constexpr SkinFile kMacroSelectorFile{"macro-key.png", 400, 290};
inline constexpr SkinFile kModeBoxFile{"Pane.png", 16, 16};
inline constexpr SkinFile kModeBoxTickedFile{"PaneMakingTick.png", 16, 16};

// The gun macro manager: its background, the look of its record and insert buttons, its
// option ticks (off and on); New, Delete, OK and Cancel look like the step dialogs' OK.
inline constexpr SkinFile kGunManagerFile{"MacroGunMan/main.png", 420, 428};
inline constexpr SkinFile kGunRecordNormalFile{"MacroGunMan/Record-normal.png", 96, 26};
inline constexpr SkinFile kGunRecordOverFile{"MacroGunMan/Record-over.png", 96, 26};
inline constexpr SkinFile kGunRecordDownFile{"MacroGunMan/Record-down.png", 96, 26};
inline constexpr SkinFile kGunTickOffFile{"MacroGunMan/Sel-normal.png", 14, 14};
inline constexpr SkinFile kGunTickOnFile{"MacroGunMan/Sel-down.png", 14, 14};

// The gun macro manager's step dialogs: the keyboard key dialog's background (its OK and Cancel
// look like the single key dialog's), the mouse event dialog's background and the frame of the
// chosen event, the cursor displacement dialog's background and its mark (whose tip is the
// image's top-left pixel), and the looks of the last two dialogs' OK and Cancel.
inline constexpr SkinFile kGunKeyDialogFile{"MacroGunMan/box.png", 390, 412};
inline constexpr SkinFile kGunMouseDialogFile{"MacroGunMan/Insert Mouse/main.png", 420, 428};
inline constexpr SkinFile kGunMouseSelectorFile{"MacroGunMan/Insert Mouse/Selector.png", 114, 118};
inline constexpr SkinFile kGunCursorDialogFile{"MacroGunMan/Insert Cursor/main.png", 420, 432};
inline constexpr SkinFile kGunCursorMarkFile{"MacroGunMan/Insert Cursor/Select.png", 11, 16};
inline constexpr SkinFile kGunButtonNormalFile{"MacroGunMan/Btn-normal.png", 52, 27};
inline constexpr SkinFile kGunButtonDownFile{"MacroGunMan/Btn-down.png", 52, 27};

// Mouse view: the base picture of each view, and each button's idle ("-normal") and lit ("-over")
// look, the two of one size, drawn over it.
struct OverlayFiles {
    SkinFile normal;
    SkinFile over;
};

constexpr OverlayFiles overlayFiles(std::string_view normal, std::string_view over, int width,
                                    int height) {
    return {{normal, width, height}, {over, width, height}};
}

inline constexpr SkinFile kMouseFrontFile{"Mouse/Front/MouseFront.png", 280, 392};
inline constexpr OverlayFiles kFront1Files =
    overlayFiles("Mouse/Front/F-1-normal.png", "Mouse/Front/F-1-over.png", 161, 223);
inline constexpr OverlayFiles kFront2Files =
    overlayFiles("Mouse/Front/F-2-normal.png", "Mouse/Front/F-2-over.png", 98, 223);
inline constexpr OverlayFiles kFront3Files =
    overlayFiles("Mouse/Front/F-3-normal.png", "Mouse/Front/F-3-over.png", 55, 61);
inline constexpr OverlayFiles kFront4Files =
    overlayFiles("Mouse/Front/F-4-normal.png", "Mouse/Front/F-4-over.png", 91, 63);
inline constexpr OverlayFiles kFront5Files =
    overlayFiles("Mouse/Front/F-5-normal.png", "Mouse/Front/F-5-over.png", 43, 69);
inline constexpr OverlayFiles kFront6Files =
    overlayFiles("Mouse/Front/F-6-normal.png", "Mouse/Front/F-6-over.png", 93, 60);
inline constexpr OverlayFiles kFront7Files =
    overlayFiles("Mouse/Front/F-7-normal.png", "Mouse/Front/F-7-over.png", 54, 25);
inline constexpr SkinFile kMouseSideFile{"Mouse/Side/MouseSide.png", 429, 212};
inline constexpr OverlayFiles kSide8Files =
    overlayFiles("Mouse/Side/S-8-normal.png", "Mouse/Side/S-8-over.png", 58, 186);
inline constexpr OverlayFiles kSide9Files =
    overlayFiles("Mouse/Side/S-9-normal.png", "Mouse/Side/S-9-over.png", 82, 85);
inline constexpr OverlayFiles kSide10Files =
    overlayFiles("Mouse/Side/S-10-normal.png", "Mouse/Side/S-10-over.png", 49, 187);
inline constexpr OverlayFiles kSide11Files =
    overlayFiles("Mouse/Side/S-11-normal.png", "Mouse/Side/S-11-over.png", 70, 187);
inline constexpr OverlayFiles kSide12Files =
    overlayFiles("Mouse/Side/S-12-normal.png", "Mouse/Side/S-12-over.png", 82, 57);
inline constexpr SkinFile kMouseBackFile{"Mouse/Back/MouseBack.png", 280, 300};
inline constexpr OverlayFiles kBack4Files =
    overlayFiles("Mouse/Back/B-4-normal.png", "Mouse/Back/B-4-over.png", 67, 71);
inline constexpr OverlayFiles kBack5Files =
    overlayFiles("Mouse/Back/B-5-normal.png", "Mouse/Back/B-5-over.png", 62, 60);

// Every image the program draws. The skin generator writes exactly these files at these sizes.
inline constexpr std::array kSkinFiles = {
    // Start-up, window and notification-area icons.
    kSplashFile,
    kIconFiles[0],
    kIconFiles[1],
    kIconFiles[2],
    kIconFiles[3],

    // Main window: background, columns and their headers.
    kMainBackgroundFile,
    kLogoFile,
    kSmallLogoFile,
    kLeftColumnFile,
    kMiddleColumnFile,
    SkinFile{"BK_MainRight.png", 260, 1024},
    kHeaderFile,
    kMacroHeaderFile,
    kScrollBarCellsFile,

    // Main window buttons.
    kHelpNormalFile,
    kHelpOverFile,
    kMinimiseNormalFile,
    kMinimiseOverFile,
    kCloseNormalFile,
    kCloseOverFile,
    kConfigNormalFile,
    kConfigOverFile,
    kConfigLeaveFile,
    kCommandNormalFile,
    kCommandOverFile,
    kCommandLeaveFile,
    kViewTabNormalFile,
    kViewTabOverFile,
    kViewTabLeaveFile,

    // Button assignment and axis sensitivity panels of the left column.
    kFrontPanelFile,
    kSidePanelFile,
    kLabelNormalFile,
    kLabelOverFile,
    kAxisPanelFile,
    kSliderEmptyFile,
    kSliderFullFile,

    // Mouse view: base pictures and the button overlays at their fixed window positions.
    kMouseFrontFile,
    kFront1Files.normal,
    kFront1Files.over,
    kFront2Files.normal,
    kFront2Files.over,
    kFront3Files.normal,
    kFront3Files.over,
    kFront4Files.normal,
    kFront4Files.over,
    kFront5Files.normal,
    kFront5Files.over,
    kFront6Files.normal,
    kFront6Files.over,
    kFront7Files.normal,
    kFront7Files.over,
    kMouseSideFile,
    kSide8Files.normal,
    kSide8Files.over,
    kSide9Files.normal,
    kSide9Files.over,
    kSide10Files.normal,
    kSide10Files.over,
    kSide11Files.normal,
    kSide11Files.over,
    kSide12Files.normal,
    kSide12Files.over,
    kMouseBackFile,
    kBack4Files.normal,
    kBack4Files.over,
    kBack5Files.normal,
    kBack5Files.over,

    // Profile manager.
    kProfileBackgroundFile,
    kProfileNewFile,
    kProfileDeleteFile,

    // Macro manager, macro selector and single key dialog.
    kMacroManagerFile,
    kMacroCloseNormalFile,
    kMacroCloseOverFile,
    kMacroRecordNormalFile,
    kMacroRecordOverFile,
    kMacroTickOffFile,
    kMacroTickOnFile,
    kMacroNewNormalFile,
    kMacroNewOverFile,
    kDialogButtonNormalFile,
    kDialogButtonOverFile,
    kMacroSelectorFile,
    kModeBoxFile,
    kModeBoxTickedFile,
    kSingleKeyFile,

    // Gun macro manager and its three step dialogs.
    kGunManagerFile,
    kGunRecordNormalFile,
    kGunRecordOverFile,
    kGunRecordDownFile,
    kGunTickOffFile,
    kGunTickOnFile,
    kGunButtonNormalFile,
    kGunButtonDownFile,
    kGunKeyDialogFile,
    kGunMouseDialogFile,
    kGunMouseSelectorFile,
    kGunCursorDialogFile,
    kGunCursorMarkFile,

    // Settings panel pages.
    SkinFile{"Enable.png", 10, 9},
    SkinFile{"Disable.png", 10, 9},
    SkinFile{"DPISetting/BK_DPISetting.png", 242, 232},
    SkinFile{"DPISetting/BK-DPIValue.png", 25, 11},
    SkinFile{"DPISetting/DPIStage/0.png", 7, 169},
    SkinFile{"DPISetting/DPIStage/164.png", 7, 169},
    SkinFile{"Lighting/BK_Lighting.png", 242, 110},
    SkinFile{"USBReportRate/BK_USBReportRate.png", 242, 134},
    SkinFile{"USBReportRate/125HZ.png", 128, 123},
    SkinFile{"USBReportRate/250HZ.png", 128, 123},
    SkinFile{"USBReportRate/500HZ.png", 128, 123},
    SkinFile{"USBReportRate/1000HZ.png", 128, 123},
    SkinFile{"MouseAttribute/BK_MouseAttribute.png", 242, 112},
    SkinFile{"MouseAttribute/Speed/1.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/2.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/3.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/4.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/5.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/6.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/7.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/8.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/9.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/10.png", 142, 83},
    SkinFile{"MouseAttribute/Speed/11.png", 142, 83},
    SkinFile{"MouseAttribute/BK_ScrollSpeed.png", 242, 72},
    SkinFile{"MouseAttribute/ScrollSpeed/Enable.png", 11, 12},
    SkinFile{"MouseAttribute/ScrollSpeed/Disable.png", 11, 12},
    SkinFile{"MouseAttribute/ScrollSpeed/ScrollLines.png", 50, 14},
    SkinFile{"AngleSnap/BK_AngleSnap.png", 242, 60},
};

}  // namespace gx508
