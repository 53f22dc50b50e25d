// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <vector>

#include "core/Status.h"

namespace gx508 {

// Reads at most `maxBytes` bytes from the start of a file. Fails with the system's error
// code: ENOENT for a file that does not exist, EISDIR for a folder, EINVAL for an empty path,
// and whatever open or read reported otherwise.
Result<std::vector<std::uint8_t>> ReadFileBytes(
    const std::filesystem::path& path,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace gx508
