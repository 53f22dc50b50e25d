// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gx508 {

// A macro is a list of item texts; the text is the model. The forms are:
//   key or button press    "<name>   Dn"   (three blanks)
//   key or button release  "<name>   Up"
//   delay                  "<n> ms"
//   cursor displacement    "X: <n>" followed by "Y: <n>"   (gun macros)
// Button names are "L-Button", "R-Button", "M-Button", "Button 4" and "Button 5".

inline constexpr std::string_view kPressMarker = "   Dn";
inline constexpr std::string_view kReleaseMarker = "   Up";
inline constexpr std::string_view kDelayMark = "ms";
inline constexpr std::string_view kDisplacementXMark = "X:";
inline constexpr std::string_view kDisplacementYMark = "Y:";

enum class MacroItemKind { Press, Release, DisplacementX, DisplacementY, Delay, Other };

// Substring tests in this order: "   Dn", "   Up", "X:", "Y:", "ms".
MacroItemKind ClassifyMacroItem(std::string_view item);

// True when the item contains `mark` ("ms", " ms", "X:", "Y:", ...).
bool ItemContains(std::string_view item, std::string_view mark);

// The key or button name of a press or release: the text with every "   Dn" and "   Up"
// removed.
std::string MacroItemKeyName(std::string_view item);

// The number of a delay ("120 ms" gives 120) or of a displacement ("X: -3" gives -3): the
// leading decimal number after the "X:" or "Y:" mark when there is one, else of the whole
// text; 0 when there is none.
std::int32_t MacroItemNumber(std::string_view item);

std::string PressItem(std::string_view name);
std::string ReleaseItem(std::string_view name);
// "%d ms".
std::string DelayItem(std::int32_t milliseconds);
// "X: %s" and "Y: %s" with the amount as typed.
std::string DisplacementXItem(std::string_view amount);
std::string DisplacementYItem(std::string_view amount);

}  // namespace gx508
