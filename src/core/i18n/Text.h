// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace gx508 {

// The entries of the central text table, one per text the windows share. Each is named after
// its English text. Two entries whose English text is the same but whose translations differ
// carry a suffix naming their use: `BackView` is the caption of the rear view tab ("背面"),
// `BackFunction` the label of the back side-button function ("后退方向键"). `DpiSetting` is
// the settings page header, `DpiSettingPlus` the assignment submenu title.
enum class Text : std::uint16_t {
    // Main window
    Gx508GamingMouse,
    Reset,
    Cancel,
    Apply,
    Config,
    TopView,
    SideView,
    BackView,
    ButtonAssignment,
    MacroManager,
    GunManager,
    AxisSensitivity,
    XAxis,
    YAxis,
    Button1,
    Button2,
    Button3,
    Button4,
    Button5,
    Button6,
    Button7,
    Button8,
    Button9,
    Button10,
    Button11,
    Button12,
    Update,
    Exit,
    ResetToFactoryDefault,
    Attention,
    MouseNotDetected,
    MouseDetected,
    SwitchDpiFirstStage,
    SwitchDpiSecondStage,
    SwitchDpiThirdStage,
    SwitchDpiFourthStage,
    SwitchDpiFifthStage,
    SwitchDpiSixthStage,
    SwitchDpiSevenStage,
    SwitchToMacroKey,
    WebAddress,

    // Settings pages
    DpiSetting,
    Lighting,
    PollingRate,
    MouseSpeed,
    DoubleClickSpeed,
    ScrollSpeed,
    AngleSnapping,
    Slow,
    Fast,
    NumberOfRows,
    ScrollOneScreen,
    Standard,
    Respiration,
    Neon,
    Off,
    On,

    // Button assignment: function labels and the assignment menu
    Click,
    Menu,
    Scroll,
    Forward,
    BackFunction,
    DoubleClick,
    Deactivated,
    LeftTiltScroll,
    RightTiltScroll,
    Run,  // "RUN", the auto-run game key
    SkipLeft,
    SkipRight,
    FireMode,
    DpiSettingPlus,
    MultimediaCommandsPlus,
    BasicCommandsPlus,
    AdditionalCommandsPlus,
    GunManagementPlus,
    AssignKeyboardKey,
    Macro,
    DpiPlus,
    DpiMinus,
    DpiLoop,
    Gun1,
    Gun2,
    Gun3,
    Assign,
    Enable,
    Disable,
    StandardKeySwitch,
    AtLeastOneClickButton,
    Snipe,
    Akm,
    StandardGun,
    MacroLimitExceeded,
    GunLimitExceeded,
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(Text::GunLimitExceeded) + 1;

}  // namespace gx508
