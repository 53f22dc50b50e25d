// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace gx508 {

namespace {

constexpr std::uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB |
                                  IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF |
                                  IN_ONLYDIR;

}  // namespace

FolderWatch::FolderWatch() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FolderWatch::~FolderWatch() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

bool FolderWatch::Watch(const std::filesystem::path& folder) {
    return m_fd >= 0 && inotify_add_watch(m_fd, folder.c_str(), kEvents) >= 0;
}

bool FolderWatch::Changed() {
    if (m_fd < 0) {
        return false;
    }
    bool changed = false;
    alignas(inotify_event) char events[4096];
    while (true) {
        const ssize_t got = read(m_fd, events, sizeof events);
        if (got > 0) {
            changed = true;
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            return changed;
        }
    }
}

}  // namespace gx508
