// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

namespace gx508 {

namespace {

using Bytes = Result<std::vector<std::uint8_t>>;

Bytes FileError(const char* what, const std::filesystem::path& path, int code) {
    return Bytes::Error(std::string(what) + " " + path.string() + ": " + std::strerror(code), code);
}

}  // namespace

Bytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    if (path.empty()) {
        return Bytes::Error("no file name given", EINVAL);
    }
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return FileError("cannot read", path, ENOENT);
    }
    if (ec) {
        return FileError("cannot read", path, ec.value());
    }
    if (std::filesystem::is_directory(status)) {
        return FileError("cannot read", path, EISDIR);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return FileError("cannot open", path, errno != 0 ? errno : EIO);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[16384];
    std::size_t count = 0;
    while (bytes.size() < maxBytes &&
           (count = std::fread(chunk, 1, std::min(sizeof chunk, maxBytes - bytes.size()), file)) >
               0) {
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    const int code = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    if (code != 0) {
        return FileError("cannot read", path, code);
    }
    return bytes;
}

}  // namespace gx508
