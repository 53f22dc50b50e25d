// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "core/Status.h"

namespace gx508 {

// Asks the operating system to put what was written to a file, or the entries of a folder, on
// the disk before it returns, so that they survive a power cut. A file system that cannot
// flush (it says so with EINVAL) counts as flushed.
//
// The standard library has no such call, so the operating-system side defines this function
// (src/platform/DiskFlush.cpp, built into the gx508diskflush library that gx508core links):
// core keeps to the standard library and every program that writes files flushes them.
Status FlushToDisk(const std::filesystem::path& fileOrFolder);

}  // namespace gx508
