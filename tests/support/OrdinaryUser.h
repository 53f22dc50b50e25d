// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace gx508::test {

// Runs `check` as an ordinary user in a child process (root passes every permission check).
// Returns the child's exit status (0 when `check` returned true), or -1 when privileges
// cannot be dropped here.
template <typename Check>
int RunAsOrdinaryUser(Check check) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(77);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return 1;
    }
    return WEXITSTATUS(status) == 77 ? -1 : WEXITSTATUS(status);
}

// A file only its owner may read (mode 600), in a folder everyone may write: an ordinary user
// running RunAsOrdinaryUser can replace the file but not read it.
inline std::filesystem::path WriteOwnerOnlyFile(const TempFolder& folder, const std::string& name,
                                                const std::string& text) {
    namespace fs = std::filesystem;
    fs::permissions(folder.path(), fs::perms::all);
    const fs::path file = folder / name;
    WriteText(file, text);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    return file;
}

// Whether a write refused a file it may not read. `write` runs as an ordinary user on an
// owner-only file holding `text` and returns its outcome; the write is refused when it
// failed with EACCES and the file still holds `text` afterwards.
enum class Refusal { NotRun, Refused, NotRefused };
inline void PrintTo(Refusal refusal, std::ostream* out) {
    *out << (refusal == Refusal::Refused      ? "refused"
             : refusal == Refusal::NotRefused ? "not refused"
                                              : "not run");
}
template <typename Write>
Refusal RefusalOfUnreadableFile(const std::string& text, Write write) {
    TempFolder folder;
    const std::filesystem::path file = WriteOwnerOnlyFile(folder, "file.ini", text);
    const int result = RunAsOrdinaryUser([&] {
        const auto status = write(file);
        return !status.ok() && status.code() == EACCES;
    });
    if (result < 0) {
        return Refusal::NotRun;
    }
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    const bool kept = std::string(bytes.begin(), bytes.end()) == text;
    return result == 0 && kept ? Refusal::Refused : Refusal::NotRefused;
}

}  // namespace gx508::test
