// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace gx508 {

// The decimal number a text starts with, after leading blanks and an optional sign ("12abc"
// gives 12, " -3" gives -3, "abc" and "" give nothing). Values beyond the range of int32 are
// clamped to it, so a huge count never overflows.
std::optional<std::int32_t> LeadingNumber(std::string_view text);

}  // namespace gx508
