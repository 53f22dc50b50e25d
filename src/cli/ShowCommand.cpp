#include "cli/ShowCommand.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/assign/FunctionCatalogue.h"
#include "core/assign/FunctionLabels.h"
#include "core/macro/MacroStore.h"
#include "core/perf/Dpi.h"
#include "core/perf/PointerSettings.h"

namespace gx508 {

namespace {

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

std::string Lighting(const SettingsBlock& b) {
    const auto level = [&](std::size_t offset) { return std::to_string(b.byte(offset)) + " of 6"; };
    switch (b.byte(block::kLightingMode)) {
        case 0:
            return "off";
        case 1:
            return "Standard, brightness " + level(block::kStandardBrightness);
        case 2:
            return "Respiration, period " + level(block::kRespirationPeriod);
        case 3:
            return "Neon, period " + level(block::kNeonPeriod);
        default:
            return "mode " + std::to_string(b.byte(block::kLightingMode));
    }
}

std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

std::string Caption(int button) {
    return button >= 0 && button < block::kButtonCount
               ? "Button " + std::to_string(CaptionOfButtonIndex(button))
               : "none";
}

std::string NameAt(const std::vector<std::string>& names, int position) {
    return position >= 0 && position < static_cast<int>(names.size())
               ? "\"" + names[static_cast<std::size_t>(position)] + "\""
               : "number " + std::to_string(position) + " (not in the store)";
}

std::string GunSwitchBinding(const SettingsBlock& b, int gunSwitch) {
    if (!b.gunAssigned(gunSwitch)) {
        return "not assigned";
    }
    const int button = b.gunButton(gunSwitch);
    return button < block::kButtonCount ? "assigned to " + Caption(button) : "assigned, no button";
}

}  // namespace

void ShowConfiguration(const SharedState& state, std::ostream& out) {
    const SettingsBlock& b = state.block;
    // Functions are described in English whatever the interface language.
    auto english = std::make_unique<SharedState>(state.paths.folder, state.log);
    english->block = state.block;
    english->paths = state.paths;
    english->gunNames = state.gunNames;
    english->languageCode = "EN";
    english->texts = LanguageTable::For("EN");

    out << "Profile: " << state.currentProfile << " ("
        << state.paths.settingsFile.filename().string() << ", "
        << state.paths.settingsIni.filename().string() << ")\n";
    out << "Language: " << (state.languageCode.empty() ? "none" : state.languageCode) << "\n";
    out << "Report rate: " << ReportRate(b.byte(block::kReportRate)) << "\n";
    out << "DPI stages:\n";
    for (int s = 0; s < block::kStageCount; ++s) {
        const std::string dpi = DpiIndexToText(b.dpiIndex(s));
        out << "  Stage " << s + 1 << ": "
            << (dpi.empty() ? "invalid (index " + std::to_string(b.dpiIndex(s)) + ")"
                            : dpi + " DPI")
            << ", " << (b.stageEnabled(s) ? "enabled" : "disabled") << ", colour "
            << Hex(b.stageColour(s)) << "\n";
    }
    out << "Lighting: " << Lighting(b) << "\n";
    out << "Sensitivity: X " << int{b.byte(block::kXSensitivity)} << " of 11, Y "
        << int{b.byte(block::kYSensitivity)} << " of 11\n";
    const PointerValues pointer = PointerValuesOf(b);
    out << "Pointer speed: " << int{b.byte(block::kPointerSpeed)} << " of 11\n";
    out << "Double-click speed: " << int{b.byte(block::kDoubleClickSpeed)} << " of 11 ("
        << pointer.doubleClickMs << " ms)\n";
    out << "Wheel: "
        << (pointer.wheelScrollsPage
                ? std::string("one screen per notch")
                : std::to_string(pointer.wheelScrollLines) + " lines per notch")
        << "\n";
    out << "Buttons:\n";
    for (int caption = 1; caption <= block::kButtonCount; ++caption) {
        const int index = ButtonIndexOfCaption(caption);
        const std::string function = FunctionLabelOf(*english, index);
        out << "  Button " << caption << " (index " << index << "): "
            << (function.empty() ? "unknown function (category " +
                                       std::to_string(b.button(ButtonField::Category, index)) + ")"
                                 : function);
        const std::string& label = state.labels[static_cast<std::size_t>(index)];
        // The settings ini does not keep trailing blanks of a label.
        if (!label.empty() && label != function.substr(0, function.find_last_not_of(' ') + 1)) {
            out << ", labelled \"" << label << "\"";
        }
        out << "\n";
    }
    out << "Gun switches:\n";
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        out << "  Gun switch " << j << " \"" << state.gunNames[static_cast<std::size_t>(j)]
            << "\": " << GunSwitchBinding(b, j) << "\n";
    }
    const auto macros = ListMacroNames(state.paths.macroStore, MacroKind::Macro);
    const auto gunMacros = ListMacroNames(state.paths.macroStore, MacroKind::Gun);
    out << "Macro slots:\n";
    for (int s = 0; s < block::kSlotCount; ++s) {
        if (b.slot(SlotField::InUse, s) == kNone) {
            continue;
        }
        const bool gun = b.slot(SlotField::Kind, s) == 1;
        out << "  Slot " << s << ": " << (gun ? "gun macro " : "macro ")
            << NameAt(gun ? gunMacros : macros, b.slot(SlotField::MacroNumber, s)) << ", used by "
            << Caption(b.slot(SlotField::Owner, s)) << ", " << b.slotLength(s) << " bytes\n";
    }
}

}  // namespace gx508
