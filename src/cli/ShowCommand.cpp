#include "cli/ShowCommand.h"

#include <array>
#include <cstdio>
#include <string>

namespace gx508 {

namespace {

// Caption number n ("Button n") shows button index kCaptionIndex[n - 1].
constexpr std::array<int, block::kButtonCount> kCaptionIndex = {0, 1,  2,  4, 3, 5,
                                                                6, 11, 10, 9, 8, 7};

std::string ReportRate(std::uint8_t code) {
    switch (code) {
        case 1:
            return "1000 Hz";
        case 2:
            return "500 Hz";
        case 4:
            return "250 Hz";
        case 8:
            return "125 Hz";
        default:
            return "unknown (code " + std::to_string(code) + ")";
    }
}

std::string LightingMode(std::uint8_t mode) {
    switch (mode) {
        case 1:
            return "Standard";
        case 2:
            return "Respiration";
        case 3:
            return "Neon";
        default:
            return "mode " + std::to_string(mode);
    }
}

std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

std::string OrNone(std::uint8_t value) {
    return value == kNone ? "none" : std::to_string(value);
}

}  // namespace

void ShowConfiguration(const SharedState& state, std::ostream& out) {
    const SettingsBlock& b = state.block;
    out << "Profile: " << state.currentProfile << " ("
        << state.paths.settingsFile.filename().string() << ", "
        << state.paths.settingsIni.filename().string() << ")\n";
    out << "Language: " << (state.languageCode.empty() ? "none" : state.languageCode) << "\n";
    out << "Report rate: " << ReportRate(b.byte(block::kReportRate)) << "\n";
    out << "DPI stages:\n";
    for (int s = 0; s < block::kStageCount; ++s) {
        out << "  Stage " << s + 1 << ": DPI index " << int{b.dpiIndex(s)} << ", "
            << (b.stageEnabled(s) ? "enabled" : "disabled") << ", colour " << Hex(b.stageColour(s))
            << "\n";
    }
    out << "Lighting: " << LightingMode(b.byte(block::kLightingMode)) << " (brightness "
        << int{b.byte(block::kStandardBrightness)} << ", respiration period "
        << int{b.byte(block::kRespirationPeriod)} << ", neon period "
        << int{b.byte(block::kNeonPeriod)} << ")\n";
    out << "Pointer speed: " << int{b.byte(block::kPointerSpeed)}
        << ", double-click speed: " << int{b.byte(block::kDoubleClickSpeed)} << ", wheel: "
        << (b.byte(block::kWheelScrollsScreen) == 1
                ? std::string("one screen per notch")
                : std::to_string(b.byte(block::kWheelScrollLines)) + " lines per notch")
        << "\n";
    out << "Sensitivity: X " << int{b.byte(block::kXSensitivity)} << ", Y "
        << int{b.byte(block::kYSensitivity)} << "\n";
    out << "Buttons:\n";
    for (int caption = 1; caption <= block::kButtonCount; ++caption) {
        const int index = kCaptionIndex[static_cast<std::size_t>(caption - 1)];
        out << "  Button " << caption << " (index " << index
            << "): " << state.labels[static_cast<std::size_t>(index)] << " (category "
            << int{b.button(ButtonField::Category, index)} << ")\n";
    }
    out << "Gun switches:\n";
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        out << "  Gun switch " << j << " \"" << state.gunNames[static_cast<std::size_t>(j)]
            << "\": " << (b.gunAssigned(j) ? "assigned" : "not assigned") << ", button index "
            << OrNone(b.gunButton(j)) << "\n";
    }
    out << "Macro slots:\n";
    for (int s = 0; s < block::kSlotCount; ++s) {
        if (b.slot(SlotField::InUse, s) == kNone) {
            continue;
        }
        out << "  Slot " << s << ": " << (b.slot(SlotField::Kind, s) == 1 ? "gun macro" : "macro")
            << " " << OrNone(b.slot(SlotField::MacroNumber, s)) << ", owner button index "
            << OrNone(b.slot(SlotField::Owner, s)) << ", " << b.slotLength(s) << " bytes\n";
    }
}

}  // namespace gx508
