// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace gx508 {

namespace fs = std::filesystem;

namespace {

bool IsWritableFolder(const fs::path& dir) {
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

fs::path ConfigHome(const ProgramFolderInputs& in) {
    if (!in.xdgConfigHome.empty() && fs::path(in.xdgConfigHome).is_absolute()) {
        return fs::path(in.xdgConfigHome);
    }
    if (!in.home.empty()) {
        return fs::path(in.home) / ".config";
    }
    return {};
}

}  // namespace

Result<ProgramFolder> LocateProgramFolder(const ProgramFolderInputs& in) {
    std::error_code ec;
    const fs::path localSkins = in.executableDir / "Skins";
    if (!in.executableDir.empty() && fs::is_directory(localSkins, ec) &&
        IsWritableFolder(in.executableDir)) {
        return ProgramFolder{in.executableDir, localSkins};
    }

    const fs::path configHome = ConfigHome(in);
    if (configHome.empty()) {
        return Result<ProgramFolder>::Error("neither XDG_CONFIG_HOME nor HOME is set");
    }
    const fs::path files = configHome / "gx508";
    fs::create_directories(files, ec);
    if (ec) {
        return Result<ProgramFolder>::Error("cannot create " + files.string() + ": " + ec.message(),
                                            ec.value());
    }
    for (const char* name : kBaseFiles) {
        const fs::path target = files / name;
        const fs::path source = in.shareDir / name;
        if (fs::exists(target, ec) || !fs::is_regular_file(source, ec)) {
            continue;
        }
        fs::copy_file(source, target, fs::copy_options::skip_existing, ec);
        if (ec) {
            return Result<ProgramFolder>::Error(
                "cannot copy " + source.string() + ": " + ec.message(), ec.value());
        }
    }
    return ProgramFolder{files, in.shareDir / "Skins"};
}

ProgramFolderInputs CurrentProgramFolderInputs() {
    ProgramFolderInputs in;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        in.executableDir = exe.parent_path();
    }
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) {
        in.xdgConfigHome = v;
    }
    if (const char* v = std::getenv("HOME")) {
        in.home = v;
    }
    // An installed tree may have been moved: look beside the executable first.
    const fs::path relative = in.executableDir.parent_path() / "share" / "gx508";
    in.shareDir = fs::is_directory(relative, ec) ? relative : fs::path(GX508_SHARE_DIR);
    return in;
}

}  // namespace gx508
