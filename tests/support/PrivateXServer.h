// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace gx508::test {

// A private X server (Xvfb) on a display number it picks itself, ended with the object. It never
// resets: by default the server starts over each time its last client leaves, and refuses a
// client that connects meanwhile.
class PrivateXServer {
  public:
    explicit PrivateXServer(const std::string& screen = "64x64x24") {
        int pipe[2];
        if (::pipe(pipe) != 0) {
            return;
        }
        m_server = fork();
        if (m_server == 0) {
            close(pipe[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(pipe[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp",
                   "-screen", "0", screen.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipe[1]);
        std::string number;
        pollfd ready{pipe[0], POLLIN, 0};
        char c = 0;
        while (m_server > 0 && number.find('\n') == std::string::npos &&
               poll(&ready, 1, 30000) == 1 && read(pipe[0], &c, 1) == 1) {
            number += c;
        }
        close(pipe[0]);
        if (number.find('\n') != std::string::npos) {
            m_display = ":" + number.substr(0, number.find('\n'));
        }
    }
    ~PrivateXServer() {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // The display name (":N"); empty when the server did not start.
    const std::string& display() const { return m_display; }

  private:
    pid_t m_server = -1;
    std::string m_display;
};

}  // namespace gx508::test
