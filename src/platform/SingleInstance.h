// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "core/Status.h"

namespace gx508 {

// The one running copy of the program holds a lock on a file in the user's runtime folder until
// it exits. The lock is the kernel's, on the open file: it goes with the process however that
// ends, so a copy that crashed leaves nothing that blocks the next start, and a process id
// reused by another program never looks like a running copy. Nothing is written to the file,
// so taking the lock costs no disk write.
class SingleInstance {
  public:
    static constexpr const char* kLockName = "gx508.lock";

    // The lock file in `folder`, which the caller picks: the user's runtime folder.
    explicit SingleInstance(const std::filesystem::path& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock: no other copy runs; false when another copy
    // holds it. An error when the lock file cannot be opened or locked at all.
    Result<bool> acquire();

  private:
    std::filesystem::path m_file;
    int m_fd = -1;
};

}  // namespace gx508
