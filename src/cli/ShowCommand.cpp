// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShowCommand.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/EnglishState.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/assign/FunctionLabels.h"
#include "core/macro/MacroStore.h"
#include "core/perf/Dpi.h"
#include "core/perf/PerfValues.h"
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

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes unchanged.
std::string Json(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

const char* JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonNumberOrNull(std::optional<int> value) {
    return value ? std::to_string(*value) : "null";
}

std::string LightingEffect(std::uint8_t mode) {
    switch (mode) {
        case 0:
            return Json("off");
        case 1:
            return Json("standard");
        case 2:
            return Json("breathing");
        case 3:
            return Json("neon");
        default:
            return "null";
    }
}

std::optional<int> CaptionOrNull(int button) {
    if (button < 0 || button >= block::kButtonCount) {
        return std::nullopt;
    }
    return CaptionOfButtonIndex(button);
}

std::string MacroNameOrNull(const std::vector<std::string>& names, int position) {
    return position >= 0 && position < static_cast<int>(names.size())
               ? Json(names[static_cast<std::size_t>(position)])
               : "null";
}

}  // namespace

void ShowConfiguration(const SharedState& state, std::ostream& out) {
    const SettingsBlock& b = state.block;
    const auto english = EnglishCopy(state);

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
    out << "Pointer precision: " << (pointer.enhancePrecision ? "on" : "off") << "\n";
    out << "Buttons:\n";
    const IniDocument macroStore = IniDocument::Load(state.paths.macroStore);
    for (int caption = 1; caption <= block::kButtonCount; ++caption) {
        const int index = ButtonIndexOfCaption(caption);
        const std::string function = FunctionLabelOf(*english, index, macroStore);
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

void ShowConfigurationJson(const SharedState& state, std::ostream& out) {
    const SettingsBlock& b = state.block;
    const auto english = EnglishCopy(state);
    const int rate = ReportRateHz(b.byte(block::kReportRate));
    out << "{\"profile\":" << state.currentProfile
        << ",\"settingsFile\":" << Json(state.paths.settingsFile.filename().string())
        << ",\"settingsIni\":" << Json(state.paths.settingsIni.filename().string())
        << ",\"language\":" << (state.languageCode.empty() ? "null" : Json(state.languageCode))
        << ",\"reportRate\":{\"hz\":"
        << JsonNumberOrNull(ReportRateCodeOfHz(rate) ? std::optional<int>(rate) : std::nullopt)
        << ",\"code\":" << int{b.byte(block::kReportRate)} << "}";
    out << ",\"dpiStages\":[";
    for (int s = 0; s < block::kStageCount; ++s) {
        const std::string dpi = DpiIndexToText(b.dpiIndex(s));
        out << (s == 0 ? "" : ",") << "{\"stage\":" << s + 1
            << ",\"dpi\":" << (dpi.empty() ? "null" : dpi) << ",\"index\":" << int{b.dpiIndex(s)}
            << ",\"enabled\":" << JsonBool(b.stageEnabled(s))
            << ",\"colour\":" << Json(Hex(b.stageColour(s))) << "}";
    }
    out << "],\"lighting\":{\"mode\":" << int{b.byte(block::kLightingMode)}
        << ",\"effect\":" << LightingEffect(b.byte(block::kLightingMode))
        << ",\"brightness\":" << int{b.byte(block::kStandardBrightness)}
        << ",\"breathingPeriod\":" << int{b.byte(block::kRespirationPeriod)}
        << ",\"neonPeriod\":" << int{b.byte(block::kNeonPeriod)} << "}";
    const PointerValues pointer = PointerValuesOf(b);
    out << ",\"sensitivity\":{\"x\":" << int{b.byte(block::kXSensitivity)}
        << ",\"y\":" << int{b.byte(block::kYSensitivity)} << "}"
        << ",\"pointerSpeed\":" << int{b.byte(block::kPointerSpeed)}
        << ",\"doubleClick\":{\"speed\":" << int{b.byte(block::kDoubleClickSpeed)}
        << ",\"ms\":" << pointer.doubleClickMs << "}"
        << ",\"wheel\":{\"page\":" << JsonBool(pointer.wheelScrollsPage)
        << ",\"lines\":" << pointer.wheelScrollLines << "}"
        << ",\"precision\":" << JsonBool(pointer.enhancePrecision);
    out << ",\"buttons\":[";
    const IniDocument macroStore = IniDocument::Load(state.paths.macroStore);
    for (int caption = 1; caption <= block::kButtonCount; ++caption) {
        const int index = ButtonIndexOfCaption(caption);
        const std::string function = FunctionLabelOf(*english, index, macroStore);
        out << (caption == 1 ? "" : ",") << "{\"button\":" << caption << ",\"index\":" << index
            << ",\"function\":" << (function.empty() ? "null" : Json(function))
            << ",\"category\":" << int{b.button(ButtonField::Category, index)}
            << ",\"label\":" << Json(state.labels[static_cast<std::size_t>(index)]) << "}";
    }
    out << "],\"gunSwitches\":[";
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        out << (j == 0 ? "" : ",") << "{\"number\":" << j
            << ",\"name\":" << Json(state.gunNames[static_cast<std::size_t>(j)])
            << ",\"assigned\":" << JsonBool(b.gunAssigned(j)) << ",\"button\":"
            << JsonNumberOrNull(b.gunAssigned(j) ? CaptionOrNull(b.gunButton(j)) : std::nullopt)
            << "}";
    }
    const auto macros = ListMacroNames(state.paths.macroStore, MacroKind::Macro);
    const auto gunMacros = ListMacroNames(state.paths.macroStore, MacroKind::Gun);
    out << "],\"slots\":[";
    bool first = true;
    for (int s = 0; s < block::kSlotCount; ++s) {
        if (b.slot(SlotField::InUse, s) == kNone) {
            continue;
        }
        const bool gun = b.slot(SlotField::Kind, s) == 1;
        const int number = b.slot(SlotField::MacroNumber, s);
        out << (first ? "" : ",") << "{\"slot\":" << s
            << ",\"kind\":" << Json(gun ? "gun macro" : "macro") << ",\"macroNumber\":" << number
            << ",\"macro\":" << MacroNameOrNull(gun ? gunMacros : macros, number)
            << ",\"button\":" << JsonNumberOrNull(CaptionOrNull(b.slot(SlotField::Owner, s)))
            << ",\"length\":" << b.slotLength(s) << "}";
        first = false;
    }
    out << "]}\n";
}

}  // namespace gx508
