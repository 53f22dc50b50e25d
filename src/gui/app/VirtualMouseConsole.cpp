// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/VirtualMouseConsole.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "core/device/VirtualMouse.h"

namespace gx508 {

namespace {

constexpr std::size_t kReadChunk = 4096;

std::optional<std::uint8_t> ByteValue(const std::string& word) {
    int value = -1;
    const char* end = word.data() + word.size();
    const auto [at, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || at != end || value < 0 || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace

VirtualMouseConsole::VirtualMouseConsole(VirtualMouse& mouse, int inputFd, std::FILE* errors)
    : m_mouse(mouse), m_fd(inputFd), m_errors(errors) {
    m_notifier = std::make_unique<QSocketNotifier>(inputFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &VirtualMouseConsole::readInput);
}

VirtualMouseConsole::~VirtualMouseConsole() = default;

void VirtualMouseConsole::readInput() {
    char buffer[kReadChunk];
    const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (got <= 0) {
        // The end of the input: the program goes on without commands.
        m_notifier->setEnabled(false);
        if (!m_pending.empty()) {
            handleLine(std::exchange(m_pending, {}));
        }
        return;
    }
    m_pending.append(buffer, static_cast<std::size_t>(got));
    std::size_t newline;
    while ((newline = m_pending.find('\n')) != std::string::npos) {
        const std::string line = m_pending.substr(0, newline);
        m_pending.erase(0, newline + 1);
        handleLine(line);
    }
}

void VirtualMouseConsole::handleLine(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::vector<std::string> parts;
    for (std::string word; words >> word;) {
        parts.push_back(word);
    }
    if (parts.empty()) {
        return;
    }
    if (parts.size() == 3 && parts[0] == "notice") {
        const auto kind = ByteValue(parts[1]);
        const auto value = ByteValue(parts[2]);
        if (kind && value) {
            m_mouse.sendNotice(*kind, *value);
            return;
        }
    } else if (parts.size() == 1 && parts[0] == "unplug") {
        m_mouse.unplug();
        emit unplugged();
        return;
    } else if (parts.size() == 1 && parts[0] == "plug") {
        m_mouse.replug();
        emit plugged();
        return;
    }
    std::fprintf(m_errors,
                 "gx508: unknown command \"%.*s\" (commands: notice KIND VALUE, unplug, plug)\n",
                 static_cast<int>(line.size()), line.data());
    std::fflush(m_errors);
}

}  // namespace gx508
