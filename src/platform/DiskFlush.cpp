// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/DiskFlush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace gx508 {

Status FlushToDisk(const std::filesystem::path& fileOrFolder) {
    const int fd = ::open(fileOrFolder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        return Status::Error("cannot open " + fileOrFolder.string() +
                                 " to flush it: " + std::system_category().message(code),
                             code);
    }
    int code = 0;
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            code = errno == EINVAL ? 0 : errno;
            break;
        }
    }
    ::close(fd);
    if (code != 0) {
        return Status::Error(
            "cannot flush " + fileOrFolder.string() + ": " + std::system_category().message(code),
            code);
    }
    return Status::Ok();
}

}  // namespace gx508
