// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace gx508 {

// Notices changes in a few folders without touching the disk. The kernel queues an event the
// moment an entry of a watched folder is created, written, renamed, removed or has its times
// or permissions changed, or the folder itself goes; Changed() reads the queue without waiting.
// A change made before Changed() is called is always seen by that call.
class FolderWatch {
  public:
    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Adds `folder` to the watch (a folder already watched stays so). False when it cannot be
    // watched: it does not exist, or the system refused.
    bool Watch(const std::filesystem::path& folder);

    // Whether anything changed in a watched folder since the last call.
    bool Changed();

  private:
    int m_fd;
};

}  // namespace gx508
