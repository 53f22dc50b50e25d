// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gx508 {

SingleInstance::SingleInstance(const std::filesystem::path& folder) : m_file(folder / kLockName) {}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

Result<bool> SingleInstance::acquire() {
    if (m_fd >= 0) {
        return true;
    }
    // No link is followed: the file itself is locked, or nothing is.
    const int fd = open(m_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        const int error = errno;
        return Result<bool>::Error(m_file.string() + ": " + std::strerror(error), error);
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    const int error = errno;
    if (locked != 0) {
        close(fd);
        if (error == EWOULDBLOCK) {
            return false;
        }
        return Result<bool>::Error(m_file.string() + ": " + std::strerror(error), error);
    }
    m_fd = fd;
    return true;
}

}  // namespace gx508
