// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/Status.h"

namespace gx508 {

// Replaces the file at `path` with `bytes`. The bytes go to a temporary file in the same
// folder, which takes the permission bits of the file it replaces (a new file those the
// process creates files with), is flushed to the disk and then renamed over `path`; the folder
// is flushed after the rename. Until the rename the previous file stays whole, so a crash, a
// power cut or a full disk never leaves a half-written file behind. On failure the temporary
// file is removed and the error carries errno; a failure to flush the folder comes after the
// file was replaced.
Status WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace gx508
