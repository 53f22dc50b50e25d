// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/store/SettingsBlock.h"

namespace gx508 {

// The ranges the performance settings take, as the pages and gx508ctl enforce them.
inline constexpr int kMinSpeed = 1;  // pointer speed, double-click speed, axis sensitivity
inline constexpr int kMaxSpeed = 11;
inline constexpr int kMinWheelLines = 1;
inline constexpr int kMaxWheelLines = 100;
inline constexpr int kMinLightingLevel = 1;  // each lighting effect's scale
inline constexpr int kMaxLightingLevel = 6;

// The lighting effects the lighting page offers, as stored at block offset 54.
enum class LightingMode : std::uint8_t { Standard = 1, Respiration = 2, Neon = 3 };

// The block offset of an effect's own level: brightness (55), breathing period (56) or neon
// period (57).
std::size_t LightingLevelOffset(LightingMode mode);

// The index of a DPI the mouse has exactly (100..5000 in steps of 100, 5200..6000 in steps of
// 200); nothing for any other value. Typed page entries snap instead (DpiTextToIndex).
std::optional<std::uint8_t> DpiIndexOfValue(int dpi);

// The report rate code (interval in milliseconds: 1, 2, 4, 8) of 1000, 500, 250 or 125 Hz;
// nothing for any other rate.
std::optional<std::uint8_t> ReportRateCodeOfHz(int hertz);

// The rate of a code, 1000 / code; 0 for code 0.
int ReportRateHz(std::uint8_t code);

// A colour written as six hex digits RRGGBB, with or without a leading '#', either case.
std::optional<Rgb> ParseColour(std::string_view text);

// The line count typed into the wheel page's box: the text read as a number; a value of 0 or
// less, over 100, or no number at all makes the count 1 and puts "1" back into the box.
struct TypedWheelLines {
    int lines = kMinWheelLines;
    bool replaced = false;  // the box shows "1" instead of what was typed
};
TypedWheelLines ReadTypedWheelLines(std::string_view text);

// A plain decimal number of at most nine digits (no sign, no blanks); nothing otherwise.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace gx508
