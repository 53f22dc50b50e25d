// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/LanguageTable.h"

#include <cstddef>

#include "core/i18n/TextRow.h"

namespace gx508 {

namespace {

// A text the language does not define.
constexpr std::string_view kUndefined;

// The maker's web page: the help menu shows it and opens it in the browser.
constexpr std::string_view kWebAddress = "https://www.velmora-gaming.example/";

// Rows in the order of `Text`.
constexpr auto kRows = std::to_array<NamedTextRow<Text>>({
    // Main window
    {Text::Gx508GamingMouse,
     {"GX508 Gaming Mouse", "VelmoraGX508鼠标", "GX508 Gaming Mouse", "GX508 Gaming Mouse"}},
    {Text::Reset, {"Reset", "恢复", "重置", "Zurücksetzen"}},
    {Text::Cancel, {"Cancel", "取消", "取消", "Abbrechen"}},
    {Text::Apply, {"Apply", "保存", "套用", "Anwenden"}},
    {Text::Config, {"Config", "配置", "遊戲設定檔", "Spiel-Profile"}},
    {Text::TopView, {"Top View", "正面", "正面圖", "Top view"}},
    {Text::SideView, {"Side View", "侧面", "側面圖", "Side View"}},
    {Text::BackView, {"Back", "背面", "背面", "Back"}},
    {Text::ButtonAssignment, {"Button Assignment", "按钮分配", "按鍵指派", "Tastenbelegung"}},
    {Text::MacroManager, {"Macro Manager", "宏管理器", "宏管理器", "Makro-Manager"}},
    {Text::GunManager, {"Gun Manager", "枪械管理器", "枪械管理器", "Gun Manager"}},
    {Text::AxisSensitivity,
     {"Axis Sensitivity", "X/Y轴设置", "xy 軸靈敏度", "Achsen-Empfindlichkeit"}},
    {Text::XAxis, {"x-Axis", "X轴", "X軸", "x-Achse"}},
    {Text::YAxis, {"y-Axis", "Y轴", "Y軸", "y-Achse"}},
    {Text::Button1, {"Button 1", "按钮 1", "按鍵 1", "Taste 1"}},
    {Text::Button2, {"Button 2", "按钮 2", "按鍵 2", "Taste 2"}},
    {Text::Button3, {"Button 3", "按钮 3", "按鍵 3", "Taste 3"}},
    {Text::Button4, {"Button 4", "按钮 4", "按鍵 4", "Taste 4"}},
    {Text::Button5, {"Button 5", "按钮 5", "按鍵 5", "Taste 5"}},
    {Text::Button6, {"Button 6", "按钮 6", "按鍵 6", "Taste 6"}},
    {Text::Button7, {"Button 7", "按钮 7", "按鍵 7", "Taste 7"}},
    {Text::Button8, {"Button 8", "按钮 8", "按鍵 8", "Taste 8"}},
    {Text::Button9, {"Button 9", "按钮 9", "按鍵 9", "Taste 9"}},
    {Text::Button10, {"Button 10", "按钮 10", "按鍵 10", "Taste 10"}},
    {Text::Button11, {"Button 11", "按钮 11", "按鍵 11", "Taste 11"}},
    {Text::Button12, {"Button 12", "按钮 12", "按鍵 12", "Taste 12"}},
    {Text::Update, {"Update", "驱动更新", "驱动更新", "Update"}},
    {Text::Exit, {"Exit", "退出", "退出", "Exit"}},
    {Text::ResetToFactoryDefault,
     {"Reset to factory default?", "是否恢复到出厂默认值?", "是否恢復到出廠預設值?",
      "Auf Werkseinstellungen zurücksetzen?"}},
    {Text::Attention, {"ATTENTION!!", "注意!", "警告!!", "ACHTUNG!!"}},
    {Text::MouseNotDetected,
     {"The system did not detect GX508 gaming mouse!", "系统没有检测到游戏鼠标GX508！",
      "系統沒有檢測到遊戲滑鼠GX508！", "The system did not detect GX508 gaming mouse!"}},
    {Text::MouseDetected,
     {"The system detect GX508 gaming mouse.", "系统检测到游戏鼠标GX508。",
      "系統檢測到遊戲滑鼠GX508。", "The system detect GX508 gaming mouse."}},
    {Text::SwitchDpiFirstStage,
     {"Switch DPI into the first stage ", "DPI切换到第一段 ", "DPI切換到第一段 ",
      "Switch DPI into the first stage "}},
    {Text::SwitchDpiSecondStage,
     {"Switch DPI into the second stage ", "DPI切换到第二段 ", "DPI切換到第二段 ",
      "Switch DPI into the second stage "}},
    {Text::SwitchDpiThirdStage,
     {"Switch DPI into the third stage ", "DPI切换到第三段 ", "DPI切換到第三段 ",
      "Switch DPI into the third stage "}},
    {Text::SwitchDpiFourthStage,
     {"Switch DPI into the fourth stage ", "DPI切换到第四段 ", "DPI切換到第四段 ",
      "Switch DPI into the fourth stage "}},
    {Text::SwitchDpiFifthStage,
     {"Switch DPI into the fifth stage ", "DPI切换到第五段 ", "DPI切換到第五段 ",
      "Switch DPI into the fifth stage "}},
    {Text::SwitchDpiSixthStage,
     {"Switch DPI into the sixth stage ", "DPI切换到第六段 ", "DPI切換到第六段 ",
      "Switch DPI into the sixth stage "}},
    {Text::SwitchDpiSevenStage,
     {"Switch DPI into the seven stage ", "DPI切换到第七段 ", "DPI切換到第七段 ",
      "Switch DPI into the seven stage "}},
    {Text::SwitchToMacroKey,
     {"Switch to macro key", "切换到宏", "切換到巨集", "Switch to macro key"}},
    {Text::WebAddress, {kWebAddress, kWebAddress, kWebAddress, kWebAddress}},

    // Settings pages
    {Text::DpiSetting, {"DPI Setting", "DPI 设置", "DPI  設定", "DPI-Einstellung"}},
    {Text::Lighting, {"Lighting", "照明", "照明", "Lighting"}},
    {Text::PollingRate, {"Polling Rate", "USB输出报告率", "採樣頻率", "Polling-Rate"}},
    {Text::MouseSpeed, {"Mouse Speed", "鼠标速度", "滑鼠速度", "Mausgeschwindigkeit"}},
    {Text::DoubleClickSpeed,
     {"Double-Click Speed", "双击速度", "雙擊速度", "Doppelklick-Geschwindigkeit"}},
    {Text::ScrollSpeed, {"Scroll Speed", "鼠标滚轮速度", "滾輪速度", "Scroll-Geschwindigkeit"}},
    {Text::AngleSnapping, {"Angle Snapping", "角度捕捉", "直線修正", "Angle Snapping"}},
    {Text::Slow, {"Slow", "慢", "慢", "Langsam"}},
    {Text::Fast, {"Fast", "快", "快", "Schnell"}},
    {Text::NumberOfRows, {"Number of Rows", "一次滚动行数", "行數", "Folgende Anzahl Zeilen"}},
    {Text::ScrollOneScreen,
     {"Scroll One screenn", "一次滚动一个屏幕", "一次捲動一個螢幕", "Eine Bildschirmseite"}},
    {Text::Standard, {"Standard", "标准模式", "標準模式", "Standard"}},
    {Text::Respiration, {"Respiration", "呼吸模式", "呼吸模式", "Respiration"}},
    {Text::Neon, {"Neon", "霓虹模式", "霓虹模式", "Neon"}},
    {Text::Off, {"OFF", "关闭", kUndefined, kUndefined}},
    {Text::On, {"ON", "开启", kUndefined, kUndefined}},

    // Button assignment
    {Text::Click, {"Click", "左键", "點擊", "Klick"}},
    {Text::Menu, {"Menu", "右键", "選項", "Menü"}},
    {Text::Scroll, {"Scroll ", "中键", "滾輪", "Scrollen"}},
    {Text::Forward, {"Forward", "前进方向键", "前進", "Vorwärts"}},
    {Text::BackFunction, {"Back", "后退方向键", "後退", "Zurück"}},
    {Text::DoubleClick, {"Double-Click", "双击", "雙擊", "Doppelklick"}},
    {Text::Deactivated, {"Deactivated", "按键关闭", "無作用", "Deaktiviert"}},
    {Text::LeftTiltScroll,
     {"Left Tilt Scroll", "左摇摆滚轮", "Left Tilt Scroll", "Left Tilt Scroll"}},
    {Text::RightTiltScroll,
     {"Right Tilt Scroll", "右摇摆滚轮", "Right Tilt Scroll", "Right Tilt Scroll"}},
    {Text::Run, {"RUN", "自动奔跑", "自动奔跑", "RUN"}},
    {Text::SkipLeft, {"Skip Left", "左跳三次", "左跳三次", "Skip Left"}},
    {Text::SkipRight, {"Skip Right", "右跳三次", "右跳三次", "Skip Right"}},
    {Text::FireMode, {"Fire Mode", "开火模式", "开火模式", "Fire Mode"}},
    {Text::DpiSettingPlus, {"DPI Setting +", "DPI切换 +", "DPI 設定 +", "DPI-Einstellung +"}},
    {Text::MultimediaCommandsPlus,
     {"Multimedia Commands +", "多媒体 +", "多媒體指令 +", "Multimedia-Funktionen +"}},
    {Text::BasicCommandsPlus,
     {"Basic Commands +", "快捷键 +", "文書處理功能 +", "Grundlegende-Funktionen +"}},
    {Text::AdditionalCommandsPlus,
     {"Additional Commands +", "Windows +", "基本操作功能 +", "Zusätzliche-Funktionen +"}},
    {Text::GunManagementPlus, {"Gun Managent +", "枪械管理器 +", "枪械管理器 +", "Gun Managent +"}},
    {Text::AssignKeyboardKey,
     {"Assign Keyboard Key", "单键", "指派鍵盤按鍵", "Keyboard-Taste zuweisen +"}},
    {Text::Macro, {"Macro", "宏", "巨集鍵", "Makro"}},
    {Text::DpiPlus, {"DPI +", "DPI +", "DPI +", "DPI +"}},
    {Text::DpiMinus, {"DPI -", "DPI -", "DPI -", "DPI -"}},
    {Text::DpiLoop, {"DPI Loop", "DPI loop", "DPI 循環檔", "DPI Schleife"}},
    {Text::Gun1, {"Gun1", "枪械1", "枪械1", "Gun1"}},
    {Text::Gun2, {"Gun2", "枪械2", "枪械2", "Gun2"}},
    {Text::Gun3, {"Gun3", "枪械3", "枪械3", "Gun3"}},
    {Text::Assign, {"Assign", "分配", "分配", "Assign"}},
    {Text::Enable, {"Enable", "启用", "启用", "Enable"}},
    {Text::Disable, {"Disable", "禁用", "禁用", "Disable"}},
    {Text::StandardKeySwitch,
     {"Standard Key Switch", "标准键切换", "标准键切换", "Standard Key Switch"}},
    {Text::AtLeastOneClickButton,
     {"At least one button must be set as the \"click\" function.", "左键功能必须选择！",
      "至少一鍵須設定為左鍵功能",
      "Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."}},
    {Text::Snipe, {"Snipe", "狙三连发", "Snipe", "Snipe"}},
    {Text::Akm, {"AKM", "AKM", "AKM", "AKM"}},
    {Text::StandardGun, {"Standard Gun", "标准压枪", "Standard Gun", "Standard Gun"}},
    {Text::MacroLimitExceeded,
     {"超出限制(Max. Macro)", "超出限制(Max. Macro)", "超出限制(Max. Macro)",
      "超出限制(Max. Macro)"}},
    {Text::GunLimitExceeded, {"超出限制", "超出限制", "超出限制", "超出限制"}},
});

static_assert(kRows.size() == kTextCount, "every text needs its row");
static_assert(FollowsIdOrder(kRows), "rows must follow the order of Text");

constexpr bool IsSeries(Text first, Text last, int count) {
    return static_cast<int>(last) - static_cast<int>(first) + 1 == count;
}

static_assert(IsSeries(Text::Button1, Text::Button12, 12));
static_assert(IsSeries(Text::SwitchDpiFirstStage, Text::SwitchDpiSevenStage, 7));
static_assert(IsSeries(Text::DpiPlus, Text::DpiLoop, 3));
static_assert(IsSeries(Text::Gun1, Text::Gun3, 3));
static_assert(IsSeries(Text::Snipe, Text::StandardGun, 3));

// The text of `first` + offset for offset 0..count-1; empty otherwise.
std::string_view SeriesText(const LanguageTable& table, Text first, int count, int offset) {
    if (offset < 0 || offset >= count) {
        return {};
    }
    return table[static_cast<Text>(static_cast<int>(first) + offset)];
}

}  // namespace

LanguageTable::LanguageTable() = default;

LanguageTable LanguageTable::For(std::string_view code) {
    LanguageTable table;
    const Language language = LanguageOf(code);
    if (language == Language::None) {
        return table;
    }
    table.m_language = language;
    table.m_labelSection = "Setting-" + std::string(CodeOf(language));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        table.m_texts[i] = TextIn(kRows[i].texts, language);
    }
    return table;
}

const std::string& LanguageTable::operator[](Text id) const {
    static const std::string kEmpty;
    const auto index = static_cast<std::size_t>(id);
    return index < m_texts.size() ? m_texts[index] : kEmpty;
}

std::string_view ButtonCaption(const LanguageTable& table, int captionNumber) {
    return SeriesText(table, Text::Button1, 12, captionNumber - 1);
}

std::string_view DpiStageNotice(const LanguageTable& table, int stage) {
    return SeriesText(table, Text::SwitchDpiFirstStage, 7, stage - 1);
}

std::string_view DpiFunctionText(const LanguageTable& table, int kind) {
    return SeriesText(table, Text::DpiPlus, 3, kind - 1);
}

std::string_view UnassignedGunName(const LanguageTable& table, int gunSwitch) {
    return SeriesText(table, Text::Gun1, 3, gunSwitch);
}

std::string_view DefaultGunName(const LanguageTable& table, int gunSwitch) {
    return SeriesText(table, Text::Snipe, 3, gunSwitch);
}

}  // namespace gx508
