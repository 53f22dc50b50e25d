// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "core/store/DiskFlush.h"

namespace gx508 {

namespace {

std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
    // One writer per file at a time: every save happens on one thread of one process.
    std::filesystem::path tmp = path;
    tmp += ".tmp";
    return tmp;
}

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

Status ErrnoStatus(const std::string& what, const std::filesystem::path& path, int code) {
    return Status::Error(what + " " + path.string() + ": " + std::strerror(code), code);
}

}  // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path tmp = TemporaryPathFor(path);
    errno = 0;
    std::FILE* file = std::fopen(tmp.c_str(), "wb");
    if (file == nullptr) {
        return ErrnoStatus("cannot create", tmp, errno != 0 ? errno : EIO);
    }
    const std::size_t written =
        bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    int error = written == bytes.size() ? 0 : (errno != 0 ? errno : EIO);
    if (std::fflush(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (error != 0) {
        RemoveQuietly(tmp);
        return ErrnoStatus("cannot write", tmp, error);
    }
    // Flushed before its mode changes: a replaced file may be one its owner cannot read.
    if (Status flushed = FlushToDisk(tmp); !flushed) {
        RemoveQuietly(tmp);
        return flushed;
    }
    std::error_code ec;
    const std::filesystem::file_status previous = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::is_regular_file(previous)) {
        std::filesystem::permissions(tmp, previous.permissions() & std::filesystem::perms::all, ec);
        if (ec) {
            RemoveQuietly(tmp);
            return ErrnoStatus("cannot set the mode of", tmp, ec.value());
        }
    }
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        RemoveQuietly(tmp);
        return ErrnoStatus("cannot replace", path, ec.value());
    }
    const std::filesystem::path folder = path.parent_path();
    return FlushToDisk(folder.empty() ? std::filesystem::path(".") : folder);
}

}  // namespace gx508
