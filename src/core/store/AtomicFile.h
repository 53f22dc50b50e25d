#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/Status.h"

namespace gx508 {

// Replaces the file at `path` with `bytes`. The bytes go to a temporary file in the same
// folder, which is flushed and then renamed over `path`; until the rename the previous file
// stays whole, so a crash or a full disk never leaves a half-written file behind. On failure
// the temporary file is removed and the error carries errno.
Status WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace gx508
