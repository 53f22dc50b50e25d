// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace gx508 {

// The face the windows use for a language code: "黑体" for "CHS" and "CHT" (exact codes),
// "Arial" for every other code.
std::string_view FontFace(std::string_view code);

// A font as the main window asks for it; the toolkit maps the face to an installed family.
struct FontRule {
    enum class CharSet { Default, Ansi };

    std::string_view face;
    int height = 0;          // pixels
    int weight = 0;          // 0 = unspecified, 400 = normal
    int pitchAndFamily = 0;  // 0x20: a proportional sans-serif family
    CharSet charSet = CharSet::Default;
};

inline constexpr int kMainFontHeight = 13;
inline constexpr int kNormalWeight = 400;
inline constexpr int kSwissFamily = 0x20;

// The main window's text font: height 13, weight 400, the face of the code; "CHT" asks for the
// ANSI character set, every other code for the default one.
FontRule MainTextFont(std::string_view code);

// The main window's second font: height 13, weight unspecified, default character set, the
// face of the code.
FontRule MainSecondFont(std::string_view code);

}  // namespace gx508
