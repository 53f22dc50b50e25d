// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/DisplacementAmount.h"

#include <charconv>
#include <system_error>

namespace gx508 {

std::optional<int> ParseDisplacement(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < kMinDisplacement ||
        value > kMaxDisplacement) {
        return std::nullopt;
    }
    return value;
}

}  // namespace gx508
