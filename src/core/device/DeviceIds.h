// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace gx508 {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA165;

// The collection that takes commands and block uploads.
inline constexpr std::uint16_t kCommandUsagePage = 0xFF00;
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kCommandFeatureLength = 9;

// The collection on which the mouse sends its notices.
inline constexpr std::uint16_t kNoticeUsagePage = 0xFF01;
inline constexpr std::uint16_t kNoticeUsage = 0xFF01;

}  // namespace gx508
