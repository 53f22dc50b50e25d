// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/SettingChange.h"

#include <optional>

#include "core/perf/PerfValues.h"

namespace gx508 {

namespace {

using Words = std::span<const std::string>;

Status Refuse(const std::string& setting, const std::string& problem) {
    return Status::Error(setting + ": " + problem);
}

Status WrongCount(const std::string& setting, const char* usage) {
    return Refuse(setting, std::string("expected ") + usage);
}

std::optional<int> InRange(const std::string& text, int low, int high) {
    const auto value = ParseWholeNumber(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

std::string RangeProblem(const char* what, const std::string& text, int low, int high) {
    return std::string(what) + " must be a number " + std::to_string(low) + ".." +
           std::to_string(high) + ", not \"" + text + "\"";
}

std::optional<bool> OnOff(const std::string& text) {
    if (text == "on") {
        return true;
    }
    if (text == "off") {
        return false;
    }
    return std::nullopt;
}

// The stage 1..6 of the first value word, as 0..5.
std::optional<int> Stage(const std::string& text) {
    const auto stage = InRange(text, 1, block::kStageCount);
    return stage ? std::optional<int>(*stage - 1) : std::nullopt;
}

Status ChangeDpi(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 2) {
        return WrongCount(name, "STAGE DPI");
    }
    const auto stage = Stage(values[0]);
    if (!stage) {
        return Refuse(name, RangeProblem("the stage", values[0], 1, block::kStageCount));
    }
    const auto dpi = ParseWholeNumber(values[1]);
    const auto index = dpi ? DpiIndexOfValue(*dpi) : std::nullopt;
    if (!index) {
        return Refuse(name, "\"" + values[1] +
                                "\" is not a DPI the mouse has (100..5000 in steps of 100, "
                                "5200..6000 in steps of 200)");
    }
    block.setDpiIndex(*stage, *index);
    return Status::Ok();
}

Status ChangeStage(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 2) {
        return WrongCount(name, "STAGE on|off");
    }
    const auto stage = Stage(values[0]);
    if (!stage) {
        return Refuse(name, RangeProblem("the stage", values[0], 1, block::kStageCount));
    }
    const auto enabled = OnOff(values[1]);
    if (!enabled) {
        return Refuse(name, "expected on or off, not \"" + values[1] + "\"");
    }
    block.setStageEnabled(*stage, *enabled);
    return Status::Ok();
}

Status ChangeColour(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 2) {
        return WrongCount(name, "STAGE RRGGBB");
    }
    const auto stage = Stage(values[0]);
    if (!stage) {
        return Refuse(name, RangeProblem("the stage", values[0], 1, block::kStageCount));
    }
    const auto colour = ParseColour(values[1]);
    if (!colour) {
        return Refuse(name, "\"" + values[1] + "\" is not a colour RRGGBB in hex");
    }
    block.setStageColour(*stage, *colour);
    return Status::Ok();
}

Status ChangeLighting(SettingsBlock& block, const std::string& name, Words values) {
    if (values.empty() || values.size() > 2) {
        return WrongCount(name, "standard|breathing|neon [LEVEL]");
    }
    std::optional<LightingMode> mode;
    if (values[0] == "standard") {
        mode = LightingMode::Standard;
    } else if (values[0] == "breathing") {
        mode = LightingMode::Respiration;
    } else if (values[0] == "neon") {
        mode = LightingMode::Neon;
    } else {
        return Refuse(name, "expected standard, breathing or neon, not \"" + values[0] + "\"");
    }
    std::optional<int> level;
    if (values.size() == 2) {
        level = InRange(values[1], kMinLightingLevel, kMaxLightingLevel);
        if (!level) {
            return Refuse(
                name, RangeProblem("the level", values[1], kMinLightingLevel, kMaxLightingLevel));
        }
    }
    block.setByte(block::kLightingMode, static_cast<std::uint8_t>(*mode));
    if (level) {
        block.setByte(LightingLevelOffset(*mode), static_cast<std::uint8_t>(*level));
    }
    return Status::Ok();
}

Status ChangeRate(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 1) {
        return WrongCount(name, "125|250|500|1000");
    }
    const auto hertz = ParseWholeNumber(values[0]);
    const auto code = hertz ? ReportRateCodeOfHz(*hertz) : std::nullopt;
    if (!code) {
        return Refuse(name, "expected 125, 250, 500 or 1000 Hz, not \"" + values[0] + "\"");
    }
    block.setByte(block::kReportRate, *code);
    return Status::Ok();
}

Status ChangeSensitivity(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 2) {
        return WrongCount(name, "X Y");
    }
    const auto x = InRange(values[0], kMinSpeed, kMaxSpeed);
    if (!x) {
        return Refuse(name, RangeProblem("X", values[0], kMinSpeed, kMaxSpeed));
    }
    const auto y = InRange(values[1], kMinSpeed, kMaxSpeed);
    if (!y) {
        return Refuse(name, RangeProblem("Y", values[1], kMinSpeed, kMaxSpeed));
    }
    block.setByte(block::kXSensitivity, static_cast<std::uint8_t>(*x));
    block.setByte(block::kYSensitivity, static_cast<std::uint8_t>(*y));
    return Status::Ok();
}

Status ChangeSpeed(SettingsBlock& block, const std::string& name, Words values,
                   std::size_t offset) {
    if (values.size() != 1) {
        return WrongCount(name, "N");
    }
    const auto speed = InRange(values[0], kMinSpeed, kMaxSpeed);
    if (!speed) {
        return Refuse(name, RangeProblem("the speed", values[0], kMinSpeed, kMaxSpeed));
    }
    block.setByte(offset, static_cast<std::uint8_t>(*speed));
    return Status::Ok();
}

Status ChangeWheel(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 1) {
        return WrongCount(name, "N|page");
    }
    if (values[0] == "page") {
        block.setByte(block::kWheelScrollsScreen, 1);
        return Status::Ok();
    }
    const auto lines = InRange(values[0], kMinWheelLines, kMaxWheelLines);
    if (!lines) {
        return Refuse(name, "expected page or " + RangeProblem("the line count", values[0],
                                                               kMinWheelLines, kMaxWheelLines));
    }
    block.setByte(block::kWheelScrollsScreen, 0);
    block.setByte(block::kWheelScrollLines, static_cast<std::uint8_t>(*lines));
    return Status::Ok();
}

Status ChangePrecision(SettingsBlock& block, const std::string& name, Words values) {
    if (values.size() != 1) {
        return WrongCount(name, "on|off");
    }
    const auto on = OnOff(values[0]);
    if (!on) {
        return Refuse(name, "expected on or off, not \"" + values[0] + "\"");
    }
    block.setByte(block::kEnhancePrecision, *on ? 1 : 0);
    return Status::Ok();
}

}  // namespace

Status ChangeSetting(SettingsBlock& block, std::span<const std::string> words) {
    if (words.empty()) {
        return Status::Error("needs a setting and its values");
    }
    const std::string& name = words.front();
    const Words values = words.subspan(1);
    if (name == "dpi") {
        return ChangeDpi(block, name, values);
    }
    if (name == "stage") {
        return ChangeStage(block, name, values);
    }
    if (name == "colour") {
        return ChangeColour(block, name, values);
    }
    if (name == "lighting") {
        return ChangeLighting(block, name, values);
    }
    if (name == "rate") {
        return ChangeRate(block, name, values);
    }
    if (name == "sensitivity") {
        return ChangeSensitivity(block, name, values);
    }
    if (name == "pointer-speed") {
        return ChangeSpeed(block, name, values, block::kPointerSpeed);
    }
    if (name == "double-click") {
        return ChangeSpeed(block, name, values, block::kDoubleClickSpeed);
    }
    if (name == "wheel") {
        return ChangeWheel(block, name, values);
    }
    if (name == "precision") {
        return ChangePrecision(block, name, values);
    }
    return Status::Error("\"" + name + "\" is not a setting");
}

}  // namespace gx508
