#pragma once

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
};

// The scroll bar's cells: 9 columns × 3 rows of 13 × 16 pixels (up arrow, down arrow, thumb,
// track of a vertical bar; the horizontal bar's four parts and the corner box are blank; rows
// normal, hover, pressed).
inline constexpr std::string_view kScrollBarCellsFile = "ScrollBar.png";

// The window and notification-area icon at the sizes a desktop asks for, smallest first; the
// last one also serves the desktop entry.
inline constexpr std::array<std::string_view, 4> kIconFiles = {"gx508-16.png", "gx508-32.png",
                                                               "gx508-48.png", "gx508.png"};

// Every image the program draws. The skin generator writes exactly these files at these sizes.
inline constexpr std::array kSkinFiles = {
    // Start-up, window and notification-area icons.
    SkinFile{"splash.png", 600, 360},
    SkinFile{"gx508-16.png", 16, 16},
    SkinFile{"gx508-32.png", 32, 32},
    SkinFile{"gx508-48.png", 48, 48},
    SkinFile{"gx508.png", 256, 256},

    // Main window: background, columns and their headers.
    SkinFile{"main.png", 1000, 642},
    SkinFile{"Logo.png", 242, 75},
    SkinFile{"MLogo.png", 200, 56},
    SkinFile{"BK_MainLeft.png", 242, 486},
    SkinFile{"BK_MainMid.png", 472, 561},
    SkinFile{"BK_MainRight.png", 260, 1024},
    SkinFile{"ItemBK.png", 242, 20},
    SkinFile{"MacroManagementBK.png", 242, 20},
    SkinFile{"ScrollBar.png", 117, 48},

    // Main window buttons.
    SkinFile{"button-help-normal.png", 15, 15},
    SkinFile{"button-help-over.png", 15, 15},
    SkinFile{"button-min-normal.png", 15, 15},
    SkinFile{"button-min-over.png", 15, 15},
    SkinFile{"button-close-normal.png", 15, 15},
    SkinFile{"button-close-over.png", 15, 15},
    SkinFile{"button-config-normal.png", 72, 30},
    SkinFile{"button-config-over.png", 72, 30},
    SkinFile{"button-config-leave.png", 72, 30},
    SkinFile{"button-cancel-normal.png", 57, 30},
    SkinFile{"button-cancel-over.png", 57, 30},
    SkinFile{"button-cancel-leave.png", 57, 30},
    SkinFile{"button-mouse-normal.png", 62, 29},
    SkinFile{"button-mouse-over.png", 62, 29},
    SkinFile{"button-mouse-leave.png", 62, 29},

    // Button assignment and axis sensitivity panels of the left column.
    SkinFile{"ButtonAssignment/BK_ButtonAssignment.png", 242, 174},
    SkinFile{"ButtonAssignment/BK_ButtonAssignment-Side.png", 242, 174},
    SkinFile{"ButtonAssignment/DropdownBox-normal.png", 130, 16},
    SkinFile{"ButtonAssignment/DropdownBox-over.png", 130, 16},
    SkinFile{"XYSensitivity/BK_XYSensSetting.png", 242, 106},
    SkinFile{"StageSlider/1.png", 208, 14},
    SkinFile{"StageSlider/10.png", 208, 14},

    // Mouse view: base pictures and the button overlays at their fixed window positions.
    SkinFile{"Mouse/Front/MouseFront.png", 280, 392},
    SkinFile{"Mouse/Front/F-1-normal.png", 161, 223},
    SkinFile{"Mouse/Front/F-1-over.png", 161, 223},
    SkinFile{"Mouse/Front/F-2-normal.png", 98, 223},
    SkinFile{"Mouse/Front/F-2-over.png", 98, 223},
    SkinFile{"Mouse/Front/F-3-normal.png", 55, 61},
    SkinFile{"Mouse/Front/F-3-over.png", 55, 61},
    SkinFile{"Mouse/Front/F-4-normal.png", 91, 63},
    SkinFile{"Mouse/Front/F-4-over.png", 91, 63},
    SkinFile{"Mouse/Front/F-5-normal.png", 43, 69},
    SkinFile{"Mouse/Front/F-5-over.png", 43, 69},
    SkinFile{"Mouse/Front/F-6-normal.png", 93, 60},
    SkinFile{"Mouse/Front/F-6-over.png", 93, 60},
    SkinFile{"Mouse/Front/F-7-normal.png", 54, 25},
    SkinFile{"Mouse/Front/F-7-over.png", 54, 25},
    SkinFile{"Mouse/Side/MouseSide.png", 429, 212},
    SkinFile{"Mouse/Side/S-8-normal.png", 58, 186},
    SkinFile{"Mouse/Side/S-8-over.png", 58, 186},
    SkinFile{"Mouse/Side/S-9-normal.png", 82, 85},
    SkinFile{"Mouse/Side/S-9-over.png", 82, 85},
    SkinFile{"Mouse/Side/S-10-normal.png", 49, 187},
    SkinFile{"Mouse/Side/S-10-over.png", 49, 187},
    SkinFile{"Mouse/Side/S-11-normal.png", 70, 187},
    SkinFile{"Mouse/Side/S-11-over.png", 70, 187},
    SkinFile{"Mouse/Side/S-12-normal.png", 82, 57},
    SkinFile{"Mouse/Side/S-12-over.png", 82, 57},
    SkinFile{"Mouse/Back/MouseBack.png", 280, 300},
    SkinFile{"Mouse/Back/B-4-normal.png", 67, 71},
    SkinFile{"Mouse/Back/B-4-over.png", 67, 71},
    SkinFile{"Mouse/Back/B-5-normal.png", 62, 60},
    SkinFile{"Mouse/Back/B-5-over.png", 62, 60},

    // Profile manager.
    SkinFile{"Config/Config.png", 263, 600},
    SkinFile{"Config/New-Config.png", 12, 12},
    SkinFile{"Config/Del-Config.png", 12, 12},

    // Macro manager, macro selector and single key dialog.
    SkinFile{"MacroManagement/MacroManagement.png", 492, 436},
    SkinFile{"macro-button-close-normal.png", 51, 24},
    SkinFile{"macro-button-close-over.png", 51, 24},
    SkinFile{"MacroManagement/Record-normal.png", 89, 24},
    SkinFile{"MacroManagement/Record-over.png", 89, 24},
    SkinFile{"MacroManagement/Pane.png", 14, 14},
    SkinFile{"MacroManagement/PaneMakingTick.png", 14, 14},
    SkinFile{"MacroManagement/button-new-normal.png", 58, 25},
    SkinFile{"MacroManagement/button-new-over.png", 58, 25},
    SkinFile{"MacroManagement/button-cancel-normal.png", 54, 26},
    SkinFile{"MacroManagement/button-cancel-over.png", 54, 26},
    SkinFile{"macro-key.png", 400, 290},
    SkinFile{"Pane.png", 16, 16},
    SkinFile{"PaneMakingTick.png", 16, 16},
    SkinFile{"single-key.png", 382, 290},

    // Gun macro manager and its three step dialogs.
    SkinFile{"MacroGunMan/main.png", 420, 428},
    SkinFile{"MacroGunMan/Record-normal.png", 96, 26},
    SkinFile{"MacroGunMan/Record-over.png", 96, 26},
    SkinFile{"MacroGunMan/Record-down.png", 96, 26},
    SkinFile{"MacroGunMan/Sel-normal.png", 14, 14},
    SkinFile{"MacroGunMan/Sel-down.png", 14, 14},
    SkinFile{"MacroGunMan/Btn-normal.png", 52, 27},
    SkinFile{"MacroGunMan/Btn-down.png", 52, 27},
    SkinFile{"MacroGunMan/box.png", 390, 412},
    SkinFile{"MacroGunMan/Insert Mouse/main.png", 420, 428},
    SkinFile{"MacroGunMan/Insert Mouse/Selector.png", 114, 118},
    SkinFile{"MacroGunMan/Insert Cursor/main.png", 420, 432},
    SkinFile{"MacroGunMan/Insert Cursor/Select.png", 11, 16},

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
