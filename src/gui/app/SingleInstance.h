// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace gx508 {

// The one running copy of the program holds a lock file in the user's runtime folder until it
// exits. A lock left behind by a copy that crashed names a process that no longer runs, so it
// counts as stale and the next start takes it over.
class SingleInstance {
  public:
    static constexpr const char* kLockName = "gx508.lock";

    // The lock in `folder`; by default the user's runtime folder ($XDG_RUNTIME_DIR).
    explicit SingleInstance(const QString& folder = defaultFolder());

    // True when this process now holds the lock: no other copy runs.
    bool acquire();

    static QString defaultFolder();

  private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace gx508
