// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutostartEntry.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "core/store/AtomicFile.h"

namespace gx508 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kGroupHeader = "[Desktop Entry]";

// An argument of an Exec line: quoted when it holds a character the desktop would split or
// interpret, with the four characters that stay special inside quotes escaped.
std::string ExecArgument(std::string_view argument) {
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string out;
    if (argument.find_first_of(kReserved) == std::string_view::npos) {
        out = argument;
    } else {
        out = "\"";
        for (const char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                out += '\\';
            }
            out += c;
        }
        out += '"';
    }
    // A percent sign would start a field code.
    std::string fields;
    for (const char c : out) {
        fields += c;
        if (c == '%') {
            fields += '%';
        }
    }
    return fields;
}

// A value of type string: the escapes every desktop entry value goes through.
std::string StringValue(std::string_view value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string_view ApplicationId() {
    return GX508_APP_ID;
}

AutostartEntry AutostartEntryFor(std::string_view xdgConfigHome, std::string_view home,
                                 fs::path executable) {
    fs::path configHome;
    // The base directory specification ignores a relative XDG_CONFIG_HOME.
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute()) {
        configHome = xdgConfigHome;
    } else if (!home.empty()) {
        configHome = fs::path(home) / ".config";
    }
    AutostartEntry entry;
    if (!configHome.empty()) {
        entry.file = configHome / "autostart" / (std::string(ApplicationId()) + ".desktop");
    }
    entry.executable = std::move(executable);
    return entry;
}

AutostartEntry CurrentAutostartEntry() {
    std::error_code ec;
    fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return AutostartEntryFor(xdgConfigHome != nullptr ? xdgConfigHome : "",
                             home != nullptr ? home : "", std::move(executable));
}

std::string AutostartEntryText(const fs::path& executable) {
    const std::string program = executable.string();
    std::string text;
    text += kGroupHeader;
    text += "\nType=Application\n";
    text += "Name=GX508 Gaming Mouse\n";
    text += "Comment=Shows the GX508 gaming mouse's notices from the notification area\n";
    text += "Exec=" + StringValue(ExecArgument(program) + " " + std::string(kAutostartFlag)) + "\n";
    text += "TryExec=" + StringValue(program) + "\n";
    text += "Icon=gx508\n";
    text += "Terminal=false\n";
    text += "X-GNOME-Autostart-enabled=true\n";
    return text;
}

bool AutostartEnabled(const AutostartEntry& entry) {
    if (entry.file.empty()) {
        return false;
    }
    std::ifstream in(entry.file);
    bool hasGroup = false;
    bool inGroup = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = Trimmed(line);
        if (text.starts_with('[')) {
            inGroup = text == kGroupHeader;
            hasGroup = hasGroup || inGroup;
            continue;
        }
        const auto equals = text.find('=');
        if (!inGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trimmed(text.substr(0, equals));
        const std::string_view value = Trimmed(text.substr(equals + 1));
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            return false;
        }
    }
    return hasGroup;
}

Status EnableAutostart(const AutostartEntry& entry) {
    if (entry.file.empty()) {
        return Status::Error("neither XDG_CONFIG_HOME nor HOME is set");
    }
    if (entry.executable.empty()) {
        return Status::Error("the program's own path is unknown");
    }
    std::error_code ec;
    fs::create_directories(entry.file.parent_path(), ec);
    if (ec) {
        return Status::Error(
            "cannot create " + entry.file.parent_path().string() + ": " + ec.message(), ec.value());
    }
    const std::string text = AutostartEntryText(entry.executable);
    return WriteFileAtomically(entry.file,
                               {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

Status DisableAutostart(const AutostartEntry& entry) {
    if (entry.file.empty()) {
        return Status::Ok();
    }
    std::error_code ec;
    fs::remove(entry.file, ec);
    if (ec) {
        return Status::Error("cannot remove " + entry.file.string() + ": " + ec.message(),
                             ec.value());
    }
    return Status::Ok();
}

}  // namespace gx508
