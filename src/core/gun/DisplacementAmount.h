// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace gx508 {

// A cursor displacement's amount along one axis travels to the mouse as a signed byte.
inline constexpr int kMinDisplacement = -128;
inline constexpr int kMaxDisplacement = 127;

// The amount a typed text stands for: a decimal integer, with a leading "-" when negative and
// nothing else around it, from kMinDisplacement to kMaxDisplacement. Nothing for any other text
// (empty, "-", "+5", " 5", "5px", "128").
std::optional<int> ParseDisplacement(std::string_view text);

}  // namespace gx508
